#include "docking/CVrxPDockStateRecord.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
using Record = CVrxPDockStateRecord;
using Bytes = std::vector<BYTE>;

Bytes StreamOf(const std::vector<int>& numbers)
{
    Bytes bytes;
    for (int n : numbers)
    {
        const DWORD dw = static_cast<DWORD>(n);
        bytes.insert(bytes.end(), {BYTE(dw), BYTE(dw >> 8), BYTE(dw >> 16), BYTE(dw >> 24)});
    }
    return bytes;
}

// A left side whose default slider holds two panes stacked behind an inner
// slider, the panes and a tab group in the dock list, one pane hidden at
// the bottom and one closed MDI-tab pane: each number's index is what the
// damage table below refers to.
const std::vector<int> golden = {
    0, 4,                                                        // 0 fixed tabbed bars, 1 dock entries
    0, 0x1000, 1, 1, -1, 160, 0, 164, 316, 1, 2, 4, 1, 0, 0,    // 2 default slider
    0, 0, 0, 1,                                                  // 17 root: no panes, no slider, first child
    301, 302, 2,                                                 // 21 child: two panes, slider 2
    0, 1, 2, -1, 0, 150, 160, 154, 1, 1, 4, 0, 0, 0,             // 24 inner slider
    0, 0, 0,                                                     // 38 no grandchildren, no second child
    2, 301, 302,                                                 // 41 the manager's panes
    1, 301, 1, 302, 1, -1, 303,                                  // 44 panes and a tab group
    0,                                                           // 51 mini frames
    1, 304, 0x8000, 1, 0, 0, 300, 640, 440, 1, 1, 1,             // 52 auto-hide record
    1, 305};                                                     // 64 closed panes

Record GoldenRecord()
{
    Record record;
    Record::DockEntry slider;
    slider.kind = Record::kindSlider;
    slider.slider.barAlignment = Record::alignLeft;
    slider.slider.barVisible = TRUE;
    slider.slider.id = 1;
    slider.slider.rect = {160, 0, 164, 316};
    slider.slider.visible = TRUE;
    slider.slider.style = Record::sliderVertical;
    slider.slider.thickness = 4;
    slider.slider.isDefault = TRUE;
    slider.slider.manager = std::make_shared<Record::ManagerRecord>();
    auto child = std::make_shared<Record::ContainerRecord>();
    child->firstPaneId = 301;
    child->secondPaneId = 302;
    child->sliderId = 2;
    child->slider = std::make_shared<Record::SliderRecord>();
    child->slider->barVisible = TRUE;
    child->slider->id = 2;
    child->slider->rect = {0, 150, 160, 154};
    child->slider->visible = TRUE;
    child->slider->style = Record::sliderHorizontal;
    child->slider->thickness = 4;
    slider.slider.manager->root.firstChild = child;
    slider.slider.manager->panes = {{301, 0}, {302, 0}};
    record.dockList.push_back(slider);
    for (Record::PaneEntry pane : {Record::PaneEntry{301, 0}, {302, 0}, {Record::tabbedPaneId, 303}})
    {
        Record::DockEntry entry;
        entry.pane = pane;
        record.dockList.push_back(entry);
    }
    Record::AutoHideRecord hidden;
    hidden.id = 304;
    hidden.alignment = Record::alignBottom;
    hidden.visible = TRUE;
    hidden.rect = {0, 300, 640, 440};
    record.autoHide.push_back(hidden);
    record.closedPaneIds = {305};
    return record;
}

// A record that no stream yields, to see that a refused read leaves it.
Record Untouched()
{
    Record record;
    record.closedPaneIds = {77, 78};
    return record;
}

bool IsUntouched(const Record& record)
{
    return record.dockList.empty() && record.autoHide.empty() && record.closedPaneIds == std::vector<int>{77, 78};
}

// A chain of nodes, each the first child of the one before.
Record NestedRecord(int nNodes)
{
    Record record;
    Record::DockEntry entry;
    entry.kind = Record::kindSlider;
    entry.slider.thickness = 4;
    entry.slider.isDefault = TRUE;
    entry.slider.manager = std::make_shared<Record::ManagerRecord>();
    Record::ContainerRecord* pNode = &entry.slider.manager->root;
    for (int i = 1; i < nNodes; i++)
    {
        pNode->firstChild = std::make_shared<Record::ContainerRecord>();
        pNode = pNode->firstChild.get();
    }
    pNode->firstPaneId = 400;
    record.dockList.push_back(entry);
    return record;
}
} // namespace

TEST(DockStateRecordTest, WritesTheseBytes)
{
    EXPECT_EQ(StreamOf({0, 0, 0, 0, 0}), Record().Write()) << "five zero counts for a frame with nothing docked";
    EXPECT_EQ(StreamOf(golden), GoldenRecord().Write());
}

TEST(DockStateRecordTest, ReadsTheGoldenStream)
{
    const Bytes bytes = StreamOf(golden);
    Record record;
    ASSERT_TRUE(record.Read(bytes.data(), bytes.size(), TRUE));
    ASSERT_EQ(4u, record.dockList.size());
    const Record::SliderRecord& slider = record.dockList[0].slider;
    EXPECT_EQ(Record::kindSlider, record.dockList[0].kind);
    EXPECT_EQ(DWORD(Record::alignLeft), slider.barAlignment);
    EXPECT_EQ(164, slider.rect.right);
    ASSERT_NE(nullptr, slider.manager);
    const Record::ContainerRecord& root = slider.manager->root;
    EXPECT_EQ(0, root.firstPaneId);
    EXPECT_EQ(nullptr, root.secondChild);
    ASSERT_NE(nullptr, root.firstChild);
    EXPECT_EQ(301, root.firstChild->firstPaneId);
    EXPECT_EQ(302, root.firstChild->secondPaneId);
    ASSERT_NE(nullptr, root.firstChild->slider);
    EXPECT_EQ(DWORD(Record::sliderHorizontal), root.firstChild->slider->style);
    EXPECT_EQ(154, root.firstChild->slider->rect.bottom);
    ASSERT_EQ(2u, slider.manager->panes.size());
    EXPECT_EQ(302, slider.manager->panes[1].id);
    EXPECT_EQ(Record::tabbedPaneId, record.dockList[3].pane.id);
    EXPECT_EQ(303, record.dockList[3].pane.firstTabId);
    ASSERT_EQ(1u, record.autoHide.size());
    EXPECT_EQ(Record::alignBottom, record.autoHide[0].alignment);
    EXPECT_EQ(440, record.autoHide[0].rect.bottom);
    EXPECT_EQ(std::vector<int>{305}, record.closedPaneIds);
    EXPECT_EQ(bytes, record.Write()) << "what was read is written back as the same bytes";
}

TEST(DockStateRecordTest, ClosedPanesAreReadOnlyFromTheVersionThatCarriesThem)
{
    Bytes bytes = StreamOf(golden);
    Record older;
    ASSERT_TRUE(older.Read(bytes.data(), bytes.size(), FALSE));
    EXPECT_TRUE(older.closedPaneIds.empty()) << "the last section is left unread";
    bytes.push_back(0);
    Record record = Untouched();
    EXPECT_TRUE(Record().Read(bytes.data(), bytes.size(), FALSE)) << "nothing after the fourth section is read";
    EXPECT_FALSE(record.Read(bytes.data(), bytes.size(), TRUE)) << "a byte after the last section";
    EXPECT_TRUE(IsUntouched(record));
}

TEST(DockStateRecordTest, RefusesEveryShortenedStream)
{
    const Bytes bytes = StreamOf(golden);
    for (size_t n = 0; n < bytes.size(); n++)
    {
        Record record = Untouched();
        EXPECT_FALSE(record.Read(bytes.data(), n, TRUE)) << n << " bytes";
        EXPECT_TRUE(IsUntouched(record)) << n << " bytes";
    }
}

TEST(DockStateRecordTest, RefusesADamagedNumberWhole)
{
    const struct
    {
        const char* what;
        size_t index;
        int value;
    } damage[] = {
        {"a fixed tabbed bar, whose tab data cannot be followed", 0, 1},
        {"a dock count beyond the end", 1, 1000000},
        {"a negative dock count", 1, -1},
        {"a kind that is neither slider nor pane", 2, 2},
        {"bits beside the sides in the base bar's record", 3, 0x1001},
        {"a bar visible flag of 2", 4, 2},
        {"a slider rectangle that runs backwards", 7, 200},
        {"a slider style of both orientations", 12, 3},
        {"a slider of negative thickness", 13, -4},
        {"a dock list slider that is not a default slider", 14, 0},
        {"a child flag of 2", 20, 2},
        {"a tabbed pane's own record inside a container", 21, -1},
        {"an inner slider that names another id than its node", 26, 5},
        {"an inner slider that claims to be a default slider", 35, 1},
        {"a manager pane count beyond the end", 41, 500},
        {"a mini frame", 51, 1},
        {"an auto-hide record at two sides", 54, 0x3000},
        {"an auto-hide visible flag of 7", 55, 7},
        {"an auto-hide id count beyond the end", 56, 100000},
        {"a closed pane count beyond the end", 64, 3},
    };
    for (const auto& fault : damage)
    {
        std::vector<int> numbers = golden;
        ASSERT_LT(fault.index, numbers.size());
        numbers[fault.index] = fault.value;
        const Bytes bytes = StreamOf(numbers);
        Record record = Untouched();
        EXPECT_FALSE(record.Read(bytes.data(), bytes.size(), TRUE)) << fault.what;
        EXPECT_TRUE(IsUntouched(record)) << fault.what;
    }
}

TEST(DockStateRecordTest, ATreeDeeperThanAnyDockSiteIsRefused)
{
    const Bytes deepest = NestedRecord(Record::maxTreeDepth).Write();
    Record record;
    ASSERT_TRUE(record.Read(deepest.data(), deepest.size(), TRUE));
    EXPECT_EQ(deepest, record.Write());

    const Bytes deeper = NestedRecord(Record::maxTreeDepth + 1).Write();
    record = Untouched();
    EXPECT_FALSE(record.Read(deeper.data(), deeper.size(), TRUE));
    EXPECT_TRUE(IsUntouched(record));
}
