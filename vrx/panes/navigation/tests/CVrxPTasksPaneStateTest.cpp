#include "panes/navigation/CVrxPTasksPaneState.h"

#include <gtest/gtest.h>

namespace
{
using Bytes = std::vector<BYTE>;

CVrxPTasksPaneState TwoPages()
{
    CVrxPTasksPaneState state;
    state.alignment = 0x2000;
    state.visible = TRUE;
    state.metrics = {10, -1, 15, -1, -1, -1, 12, -1, 3};
    state.page = 1;
    state.pageNames = {"Tasks", "Find"};
    state.caption = "Pane";
    return state;
}

const Bytes twoPages = {
    0x00, 0x20, 0, 0, 1, 0, 0, 0,                         // docked at one side, visible
    10, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 15, 0, 0, 0,     // margins, group spacing
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,       // caption height and margin
    0xFF, 0xFF, 0xFF, 0xFF, 12, 0, 0, 0,                  // caption margin, task indent
    0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0,                   // icon gap, task spacing
    1, 0, 0, 0,                                           // page
    2, 0, 5, 'T', 'a', 's', 'k', 's', 4, 'F', 'i', 'n', 'd', // names
    4, 'P', 'a', 'n', 'e'};                               // caption

TEST(CVrxPTasksPaneState, StoresTheDockingPartMetricsPageNamesAndCaption)
{
    Bytes bytes;
    ASSERT_TRUE(TwoPages().Write(bytes));
    EXPECT_EQ(twoPages, bytes);
    CVrxPTasksPaneState read;
    ASSERT_TRUE(read.Read(bytes.data(), static_cast<UINT>(bytes.size()), TRUE, TRUE));
    EXPECT_TRUE(read == TwoPages());
}

TEST(CVrxPTasksPaneState, OlderValuesAreReadUpToWhereTheyEnd)
{
    const Bytes withoutCaption(twoPages.begin(), twoPages.end() - 5);
    CVrxPTasksPaneState read;
    read.caption = "Own";
    ASSERT_TRUE(read.Read(withoutCaption.data(), static_cast<UINT>(withoutCaption.size()), TRUE, FALSE));
    EXPECT_EQ(CString("Own"), read.caption);
    EXPECT_EQ(TwoPages().pageNames, read.pageNames);

    const Bytes dockingOnly(twoPages.begin(), twoPages.begin() + 8);
    CVrxPTasksPaneState older;
    ASSERT_TRUE(older.Read(dockingOnly.data(), static_cast<UINT>(dockingOnly.size()), FALSE, FALSE));
    EXPECT_EQ(0x2000u, older.alignment);
    EXPECT_EQ(0, older.page);
    EXPECT_TRUE(older.pageNames.empty());
    // A value of the newest form read by an older workspace's rules.
    ASSERT_TRUE(older.Read(twoPages.data(), static_cast<UINT>(twoPages.size()), FALSE, TRUE));
    EXPECT_TRUE(older.pageNames.empty());
}

TEST(CVrxPTasksPaneState, KeyNamesCarryTheBarIdAndTheIndexInHexadecimal)
{
    EXPECT_EQ(CString("Path\\VrxPTasksPane-1234"), CVrxPTasksPaneState::KeyName("Path\\", 1234));
    EXPECT_EQ(CString("Path\\VrxPTasksPane-1234a"), CVrxPTasksPaneState::KeyName("Path\\", 1234, 10));
    EXPECT_EQ(CString("VrxPTasksPane-70"), CVrxPTasksPaneState::KeyName("", 7, 0));
}

TEST(CVrxPTasksPaneState, DamagedValuesAreRefusedKeepingWhatWasHeld)
{
    const auto Patched = [](size_t nAt, BYTE value) {
        Bytes bytes = twoPages;
        bytes[nAt] = value;
        return bytes;
    };
    Bytes longer = twoPages;
    longer.push_back(0);
    Bytes manyNames(twoPages.begin(), twoPages.begin() + 48);
    manyNames.insert(manyNames.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 'A'});
    const struct
    {
        const char* name;
        Bytes bytes;
    } damaged[] = {
        {"empty", {}},
        {"cut in the docking part", Bytes(twoPages.begin(), twoPages.begin() + 6)},
        {"cut in the metrics", Bytes(twoPages.begin(), twoPages.begin() + 20)},
        {"cut in a name", Bytes(twoPages.begin(), twoPages.begin() + 54)},
        {"cut in the caption", Bytes(twoPages.begin(), twoPages.end() - 2)},
        {"bytes after the caption", longer},
        {"visible neither 0 nor 1", Patched(4, 2)},
        {"a metric below -1", Patched(12, 0xFE)},
        {"a negative page", Patched(47, 0x80)},
        {"a name count far beyond the data", manyNames},
    };
    const CVrxPTasksPaneState held = TwoPages();
    for (const auto& value : damaged)
    {
        SCOPED_TRACE(value.name);
        CVrxPTasksPaneState read = held;
        EXPECT_FALSE(read.Read(value.bytes.data(), static_cast<UINT>(value.bytes.size()), TRUE, TRUE));
        EXPECT_TRUE(read == held);
    }
}
} // namespace
