#include "toolbars/CVrxPCommandUsage.h"

#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using Bytes = std::vector<BYTE>;

struct UsageContext
{
    UsageContext(std::initializer_list<UINT> basic)
    {
        for (UINT nID : basic)
            basicCommands.AddTail(nID);
        context.basicCommands = &basicCommands;
    }
    CList<UINT, UINT> basicCommands;
    CVrxPCommandUsage::Context context;
};

void Use(CVrxPCommandUsage& usage, UINT nID, int nTimes, const CVrxPCommandUsage::Context& context)
{
    for (int i = 0; i < nTimes; i++)
        usage.AddCommandUsage(nID, context);
}

Bytes Stored(CVrxPCommandUsage& usage)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        usage.Serialize(ar);
    }
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

bool Load(CVrxPCommandUsage& usage, Bytes bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    try
    {
        CArchive ar(&file, CArchive::load);
        usage.Serialize(ar);
    }
    catch (CException* e)
    {
        e->Delete();
        return false;
    }
    return true;
}
} // namespace

TEST(CVrxPCommandUsage, SkipsWhatIsNeverCountedAndCountsTheRest)
{
    UsageContext basic{100};
    CVrxPCommandUsage usage;
    const UINT skipped[] = {0, static_cast<UINT>(-1), 100, 0xE110, 0xE11F, 0xF000, 0xF1EF, 0xFF00, 0xE210, 0xE21F};
    for (UINT nID : skipped)
        usage.AddCommandUsage(nID, basic.context);
    EXPECT_EQ(0u, usage.GetTotal());
    CVrxPCommandUsage::Context customizing = basic.context;
    customizing.customizeMode = TRUE;
    usage.AddCommandUsage(200, customizing);
    EXPECT_EQ(0u, usage.GetTotal());

    Use(usage, 200, 3, basic.context);
    Use(usage, 0xE10F, 1, basic.context);
    EXPECT_EQ(4u, usage.GetTotal());
    EXPECT_EQ(3u, usage.GetCount(200));
    EXPECT_EQ(1u, usage.GetCount(0xE10F));
}

// The share is taken in whole percent and must lie strictly above 5.
TEST(CVrxPCommandUsage, FrequentlyUsedAboveItsShare)
{
    struct Case
    {
        int uses;
        int others;
        BOOL frequent;
    };
    const Case cases[] = {{6, 94, TRUE}, {5, 95, FALSE}, {11, 189, FALSE}, {13, 187, TRUE}, {0, 10, FALSE}};
    UsageContext basic{100};
    for (const Case& c : cases)
    {
        CVrxPCommandUsage usage;
        Use(usage, 200, c.uses, basic.context);
        Use(usage, 300, c.others, basic.context);
        EXPECT_EQ(c.frequent, usage.IsFrequentlyUsed(200)) << c.uses << " of " << c.uses + c.others;
    }
    CVrxPCommandUsage empty;
    EXPECT_FALSE(empty.IsFrequentlyUsed(200));
}

TEST(CVrxPCommandUsage, LargeCountsDoNotWrapTheShare)
{
    // 43 million of 86 million uses: 50 %, which 32-bit arithmetic would
    // have wrapped to 0 %.
    CVrxPCommandUsage usage;
    std::vector<BYTE> bytes;
    {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            ar << static_cast<UINT>(86000000);
            ar.WriteCount(2);
            ar << static_cast<UINT>(200) << static_cast<UINT>(43000000);
            ar << static_cast<UINT>(300) << static_cast<UINT>(43000000);
        }
        bytes.resize(static_cast<size_t>(file.GetLength()));
        file.SeekToBegin();
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    }
    ASSERT_TRUE(Load(usage, bytes));
    EXPECT_TRUE(usage.IsFrequentlyUsed(200));
    EXPECT_TRUE(usage.IsFrequentlyUsed(300));
}

TEST(CVrxPCommandUsage, RarelyUsedRule)
{
    UsageContext basic{100};
    CVrxPCommandUsage usage;
    Use(usage, 200, 50, basic.context);
    Use(usage, 300, 1, basic.context);
    EXPECT_TRUE(usage.IsRarelyUsed(300, basic.context));
    EXPECT_TRUE(usage.IsRarelyUsed(400, basic.context));
    EXPECT_FALSE(usage.IsRarelyUsed(200, basic.context));
    // Never hidden: basic, task-pane, reserved and empty ids.
    for (UINT nID : {100u, 17020u, 17021u, 17024u, 0xF020u, 0u})
        EXPECT_FALSE(usage.IsRarelyUsed(nID, basic.context)) << nID;
    UsageContext noList{};
    EXPECT_FALSE(usage.IsRarelyUsed(300, noList.context));
    CVrxPCommandUsage::Context customizing = basic.context;
    customizing.customizeMode = TRUE;
    EXPECT_FALSE(usage.IsRarelyUsed(300, customizing));
}

TEST(CVrxPCommandUsage, ArchiveRoundTripsAndKeepsUnnamedEntries)
{
    UsageContext basic{};
    CVrxPCommandUsage usage;
    Use(usage, 200, 3, basic.context);
    Use(usage, 0x1234, 2, basic.context);
    const Bytes bytes = Stored(usage);
    // total, count, then two pairs.
    ASSERT_EQ(4u + 2u + 2u * 8u, bytes.size());
    EXPECT_EQ((Bytes{5, 0, 0, 0, 2, 0}), Bytes(bytes.begin(), bytes.begin() + 6));

    CVrxPCommandUsage loaded;
    Use(loaded, 999, 1, basic.context);
    ASSERT_TRUE(Load(loaded, bytes));
    EXPECT_EQ(5u, loaded.GetTotal());
    EXPECT_EQ(3u, loaded.GetCount(200));
    EXPECT_EQ(2u, loaded.GetCount(0x1234));
    EXPECT_EQ(1u, loaded.GetCount(999));
    EXPECT_EQ(bytes.size() + 8u, Stored(loaded).size());
}

TEST(CVrxPCommandUsage, DamagedArchiveLeavesTheCounts)
{
    UsageContext basic{};
    CVrxPCommandUsage usage;
    Use(usage, 200, 3, basic.context);
    Bytes bytes = Stored(usage);
    CVrxPCommandUsage target;
    Use(target, 300, 4, basic.context);
    for (size_t nCut : {size_t(0), size_t(3), size_t(5), bytes.size() - 1})
    {
        EXPECT_FALSE(Load(target, Bytes(bytes.begin(), bytes.begin() + static_cast<long>(nCut)))) << nCut;
        EXPECT_EQ(4u, target.GetTotal());
        EXPECT_EQ(0u, target.GetCount(200));
        EXPECT_EQ(1, static_cast<int>(target.GetEntryCount()));
    }
}
