#include "foundation/CVrxPStoredMouseBindings.h"

#include "foundation/CVrxPArchivedValue.h"

#include <gtest/gtest.h>

namespace
{
using Bytes = std::vector<BYTE>;

Bytes Stored(const std::vector<CVrxPStoredMouseBindings::Binding>& bindings)
{
    Bytes bytes;
    EXPECT_TRUE(CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes,
                                          [&bindings](CArchive& ar) { CVrxPStoredMouseBindings::Store(ar, bindings); }));
    return bytes;
}

TEST(CVrxPStoredMouseBindings, TwoBindingsAreTwentyBytesAndComeBack)
{
    const std::vector<CVrxPStoredMouseBindings::Binding> bindings = {{1, 0x8001}, {-2, 0x8002}};
    const Bytes bytes = Stored(bindings);
    EXPECT_EQ((Bytes{2, 0, 0, 0, 1, 0, 0, 0, 1, 0x80, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 2, 0x80, 0, 0}), bytes);
    CVrxPStoredMouseBindings stored;
    ASSERT_TRUE(stored.Read(bytes.data(), static_cast<UINT>(bytes.size())));
    EXPECT_EQ(bindings, stored.GetBindings());
}

TEST(CVrxPStoredMouseBindings, DamagedValuesLeaveNoBinding)
{
    const struct
    {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"pair cut short", {2, 0, 0, 0, 7, 0, 0, 0, 70, 0, 0, 0, 8, 0}},
        {"negative count", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"command 0", {1, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0}},
        {"view bound twice", {2, 0, 0, 0, 7, 0, 0, 0, 1, 0, 0, 0, 7, 0, 0, 0, 2, 0, 0, 0}},
        {"bytes after the pairs", {1, 0, 0, 0, 7, 0, 0, 0, 1, 0, 0, 0, 0}},
        {"count beyond the pairs", {0xFF, 0xFF, 0xFF, 0x7F, 7, 0, 0, 0, 1, 0, 0, 0}},
    };
    for (const auto& c : cases)
    {
        CVrxPStoredMouseBindings stored;
        EXPECT_FALSE(stored.Read(c.bytes.data(), static_cast<UINT>(c.bytes.size()))) << c.what;
        EXPECT_TRUE(stored.GetBindings().empty()) << c.what;
    }
}
} // namespace
