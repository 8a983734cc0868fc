#include "foundation/CVrxPStoredAccelTable.h"

#include <gtest/gtest.h>

namespace
{
using Bytes = std::vector<BYTE>;

TEST(CVrxPStoredAccelTable, FiveEntriesAreThirtyBytesAndComeBack)
{
    const std::vector<VrxPStoredAccel> entries = {
        {0x0D, 0, 0x74, 0x8001}, {0x11, 0, 0x24, 0x8002}, {0x08, 0, 'A', 0x8003},
        {0x01, 0, 0x2E, 0x8004}, {0x09, 0, 'S', 0x8005},
    };
    const Bytes bytes = CVrxPStoredAccelTable::Store(entries);
    ASSERT_EQ(30u, bytes.size());
    EXPECT_EQ((Bytes{0x0D, 0, 0x74, 0, 0x01, 0x80}), Bytes(bytes.begin(), bytes.begin() + 6));

    CVrxPStoredAccelTable table;
    ASSERT_TRUE(table.Read(bytes.data(), static_cast<UINT>(bytes.size()), {0x8003, 0x9999}));
    ASSERT_EQ(5u, table.GetEntries().size());
    for (size_t i = 0; i < entries.size(); i++)
    {
        EXPECT_EQ(entries[i].fVirt, table.GetEntries()[i].fVirt);
        EXPECT_EQ(entries[i].key, table.GetEntries()[i].key);
        EXPECT_EQ(i == 2 ? 0 : entries[i].cmd, table.GetEntries()[i].cmd) << "entry " << i;
    }
}

TEST(CVrxPStoredAccelTable, OnlyWholeEntriesAreRead)
{
    const Bytes bytes(13, 0x41);
    for (UINT nSize : {0u, 1u, 5u, 7u, 13u})
    {
        CVrxPStoredAccelTable table;
        EXPECT_FALSE(table.Read(bytes.data(), nSize, {})) << nSize << " bytes";
        EXPECT_TRUE(table.GetEntries().empty());
    }
    CVrxPStoredAccelTable table;
    EXPECT_TRUE(table.Read(bytes.data(), 12, {}));
    EXPECT_EQ(2u, table.GetEntries().size());
}
} // namespace
