#include "foundation/CVrxPArchivedValue.h"
#include "foundation/VrxPMessages.h"
#include "panes/CVrxPStoredTabs.h"
#include "tests/RealInput.h"
#include "tests/TabTestHost.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
class TabArchiveTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(host.Open(CVrxPTabWnd::TabStyleRectangular, CVrxPBaseTabWnd::locationTop)); }
    TabTestHost host;
};

TEST_F(TabArchiveTest, StoresEachTabsLabelIdAndColoursThenTheActiveIndexAndTheLocation)
{
    host.AddTabs({"P", "Q"});
    host.strip.ActivateTab(1);
    host.strip.SetTabColorAt(0, RGB(1, 2, 3));
    std::vector<CVrxPSavedTab> expected(2);
    expected[0].label = "P";
    expected[0].controlId = 100;
    expected[0].backgroundColor = static_cast<int>(RGB(1, 2, 3));
    expected[1].label = "Q";
    expected[1].controlId = 101;
    const CVrxPStoredTabs saved(expected, 1, CVrxPBaseTabWnd::locationTop);
    std::vector<BYTE> bytes;
    ASSERT_TRUE(CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes, [&saved](CArchive& ar) { saved.Store(ar); }));
    EXPECT_EQ(bytes, StoreTabs(host.strip));
}

TEST_F(TabArchiveTest, ATabWhoseWindowIsGoneIsStoredWithoutAnId)
{
    host.strip.destroyWindowsOnRemove = FALSE;
    host.AddTabs({"P", "Q"});
    host.pages[1]->DestroyWindow();
    const std::vector<BYTE> bytes = StoreTabs(host.strip);
    ASSERT_TRUE(LoadTabs(host.strip, bytes));
    ASSERT_EQ(2u, host.strip.SavedTabs().size());
    EXPECT_EQ(100, host.strip.SavedTabs()[0].controlId);
    EXPECT_EQ(0, host.strip.SavedTabs()[1].controlId);
}

TEST_F(TabArchiveTest, ASavedOrderComesBackToTabsMadeInAnotherOrder)
{
    host.AddTabs({"P", "Q", "R"});
    host.strip.ActivateTab(1);
    const std::vector<BYTE> bytes = StoreTabs(host.strip);

    // The same windows, now in the order R, P, Q, under other labels.
    TabTestHost later;
    ASSERT_TRUE(later.Open(CVrxPTabWnd::TabStyleRectangular, CVrxPBaseTabWnd::locationTop));
    for (int nPage : {2, 0, 1})
    {
        CWnd* pPage = later.MakePage();
        ASSERT_NE(nullptr, pPage);
        (void)nPage;
    }
    later.strip.AppendTab(later.pages[2].get(), "r");
    later.strip.AppendTab(later.pages[0].get(), "p");
    later.strip.AppendTab(later.pages[1].get(), "q");
    ASSERT_TRUE(LoadTabs(later.strip, bytes));
    EXPECT_EQ(3, later.strip.CountTabs()) << "loading changes no tab";
    ASSERT_TRUE(later.strip.ReapplySavedTabs(TRUE));
    EXPECT_EQ((std::vector<CString>{"P", "Q", "R"}), later.Labels());
    EXPECT_EQ(1, later.strip.ActiveTabIndex());
    EXPECT_EQ(later.pages[1].get(), later.strip.ActiveTabWindow());
    EXPECT_EQ(1, later.VisiblePageCount());
    EXPECT_EQ(bytes, StoreTabs(later.strip)) << "stored again, the same bytes";
}

TEST_F(TabArchiveTest, AFailedLoadKeepsWhatWasSavedAndChangesNoTab)
{
    host.AddTabs({"P", "Q"});
    const std::vector<BYTE> bytes = StoreTabs(host.strip);
    ASSERT_TRUE(LoadTabs(host.strip, bytes));
    EXPECT_FALSE(LoadTabs(host.strip, std::vector<BYTE>(bytes.begin(), bytes.end() - 1)));
    EXPECT_FALSE(LoadTabs(host.strip, {0xFF, 0xFF, 0xFF, 0xFF})) << "a negative count";
    ASSERT_EQ(2u, host.strip.SavedTabs().size());
    EXPECT_EQ(CString("Q"), host.strip.SavedTabs()[1].label);
    EXPECT_EQ(2, host.strip.CountTabs());
}

class TabHandlingTest : public ::testing::Test
{
protected:
    void Open(int nStyle)
    {
        ASSERT_TRUE(host.Open(nStyle, CVrxPBaseTabWnd::locationTop, CSize(460, 160)));
        host.AddTabs({"Alpha", "Beta", "Gamma", "Delta"});
        host.SetForegroundWindow();
        PumpMessages(100);
    }
    void TearDown() override { PlayInput({MoveTo(CPoint(5, 5))}); }
    CPoint OnTab(int nIndex)
    {
        CPoint point = host.strip.TabAt(nIndex)->rect.CenterPoint();
        host.strip.ClientToScreen(&point);
        return point;
    }
    TabTestHost host;
};

TEST_F(TabHandlingTest, ADraggedTabChangesPlacesWithEachTabItPassesAndStaysActive)
{
    Open(CVrxPTabWnd::TabStyleRectangular);
    const CPoint start = OnTab(0);
    const CPoint end = OnTab(2);
    PlayInput({MoveTo(start), PressAt(start), MoveTo(start + CSize(6, 0)), MoveTo(OnTab(1)), MoveTo(end),
               MoveTo(end + CSize(2, 0))});
    EXPECT_TRUE(host.strip.IsReorderDragging());
    PlayInput({ReleaseAt(end + CSize(2, 0))});
    EXPECT_FALSE(host.strip.IsReorderDragging());
    EXPECT_EQ((std::vector<CString>{"Beta", "Gamma", "Alpha", "Delta"}), host.Labels());
    EXPECT_EQ(2, host.strip.ActiveTabIndex());
    EXPECT_EQ(host.pages[0].get(), host.strip.ActiveTabWindow());
}

TEST_F(TabHandlingTest, RenamingTakesTheLabelOnEnterAndKeepsItOnEscape)
{
    Open(CVrxPTabWnd::TabStyleFlat);
    host.strip.AllowTabRename(TRUE);
    ASSERT_TRUE(host.strip.IsRenameEnabled());
    const CPoint tab = OnTab(0);
    PlayInput({MoveTo(tab), PressAt(tab), ReleaseAt(tab), PressAt(tab), ReleaseAt(tab)});
    ASSERT_TRUE(host.strip.IsRenaming()) << "a double click on the active tab opens the edit";
    PlayInput({KeyDown('N'), KeyUp('N'), KeyDown('E'), KeyUp('E'), KeyDown('W'), KeyUp('W'), KeyDown(VK_RETURN),
               KeyUp(VK_RETURN)});
    EXPECT_FALSE(host.strip.IsRenaming());
    EXPECT_EQ("new", CString(host.strip.TabAt(0)->label).MakeLower());

    PumpMessages(::GetDoubleClickTime() + 100);
    PlayInput({PressAt(tab), ReleaseAt(tab), PressAt(tab), ReleaseAt(tab)});
    ASSERT_TRUE(host.strip.IsRenaming());
    PlayInput({KeyDown(VK_DELETE), KeyUp(VK_DELETE), KeyDown(VK_RETURN), KeyUp(VK_RETURN)});
    EXPECT_TRUE(host.strip.IsRenaming()) << "an empty label keeps the edit open";
    PlayInput({KeyDown('X'), KeyUp('X'), KeyDown(VK_ESCAPE), KeyUp(VK_ESCAPE)});
    EXPECT_FALSE(host.strip.IsRenaming());
    EXPECT_EQ("new", CString(host.strip.TabAt(0)->label).MakeLower()) << "Escape keeps the old label";
}

TEST(TabRenameTest, OnlyTheFlatStylesRenameInPlace)
{
    TabTestHost host;
    ASSERT_TRUE(host.Open(CVrxPTabWnd::TabStyleRectangular, CVrxPBaseTabWnd::locationTop));
    host.AddTabs({"P"});
    host.strip.AllowTabRename(TRUE);
    EXPECT_FALSE(host.strip.BeginTabRename(0));
}
} // namespace
