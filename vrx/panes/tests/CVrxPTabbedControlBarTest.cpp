#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPMessages.h"
#include "panes/CVrxPTabWnd.h"
#include "panes/CVrxPTabbedControlBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{
// A frame that notes the close presses it hears and may take them.
class CloseFrame : public CVrxPMDIFrameWnd
{
public:
    std::vector<LPARAM> closePresses;
    BOOL takeClose = FALSE;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != 0 && message == VrxM_ON_PRESS_CLOSE_BUTTON)
        {
            closePresses.push_back(lParam);
            return takeClose;
        }
        return CVrxPMDIFrameWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override {}
};

class TabbedControlBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        VrxPStartLibrary();
        ASSERT_TRUE(frame.Create(nullptr, "tabbed panes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 620, 520)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.Create("Panes", &frame, CSize(160, 160), TRUE, 32900,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM, 32, 15));
        ASSERT_TRUE(frame.PlaceBarDocked(&bar));
        ASSERT_NE(nullptr, bar.TabWindow());
    }
    void TearDown() override { frame.DestroyWindow(); }
    void AddPages(std::initializer_list<const char*> labels)
    {
        for (const char* label : labels)
        {
            pages.push_back(std::make_unique<CWnd>());
            ASSERT_TRUE(pages.back()->CreateEx(0, "STATIC", label, WS_CHILD, CRect(0, 0, 10, 10), &frame,
                                               300 + static_cast<UINT>(pages.size())));
            bar.AddTab(pages.back().get(), label);
        }
    }

    CloseFrame frame;
    CVrxPTabbedControlBar bar;
    std::vector<std::unique_ptr<CWnd>> pages;
};

TEST_F(TabbedControlBarTest, TheCloseButtonHidesOnlyTheActiveTab)
{
    AddPages({"P", "Q", "R"});
    CVrxPTabWnd* pTabs = bar.TabWindow();
    pTabs->ActivateTab(1);
    bar.HandleCloseButton();
    EXPECT_FALSE(pTabs->IsTabVisibleAt(1));
    EXPECT_EQ(2, pTabs->ActiveTabIndex()) << "the right neighbour";
    EXPECT_TRUE(bar.IsPaneVisible());
    bar.HandleCloseButton();
    EXPECT_EQ(0, pTabs->ActiveTabIndex()) << "the left one when none is right of it";
    ASSERT_EQ(2u, frame.closePresses.size());
    EXPECT_EQ(reinterpret_cast<LPARAM>(pages[1].get()), frame.closePresses[0]) << "the frame hears of the tab's window";

    bar.HandleCloseButton();
    EXPECT_FALSE(bar.IsPaneVisible()) << "with its last shown tab the pane hides";
    EXPECT_EQ(0, pTabs->CountVisibleTabs());
    EXPECT_EQ(-1, pTabs->ActiveTabIndex());
    EXPECT_EQ(reinterpret_cast<LPARAM>(&bar), frame.closePresses.back()) << "asked once more for the whole pane";
}

TEST_F(TabbedControlBarTest, AFrameThatTakesTheCloseKeepsEveryTab)
{
    AddPages({"P", "Q"});
    frame.takeClose = TRUE;
    bar.HandleCloseButton();
    EXPECT_EQ(2, bar.TabWindow()->CountVisibleTabs());
    EXPECT_TRUE(bar.IsPaneVisible());
}

TEST_F(TabbedControlBarTest, OnePaneShowsNoStripAndEveryLiveBarTakesTheSharedStyle)
{
    AddPages({"P"});
    EXPECT_EQ(0, bar.TabWindow()->TabAreaHeight());
    AddPages({"Q"});
    EXPECT_GT(bar.TabWindow()->TabAreaHeight(), 0);
    EXPECT_TRUE(bar.HasTabsAtBottom());

    const auto& live = CVrxPTabbedControlBar::LiveBars();
    EXPECT_NE(live.end(), std::find(live.begin(), live.end(), bar.GetSafeHwnd()));
    bar.TabWindow()->UseAutoTabColors(TRUE);
    bar.TabWindow()->AssignAutoColorPalette({RGB(1, 1, 1)});
    CVrxPTabbedControlBar::SharedTabStyle = CVrxPTabWnd::TabStyleRounded;
    CVrxPTabbedControlBar::ApplyTabSettingsToAll();
    CVrxPTabbedControlBar::SharedTabStyle = CVrxPTabWnd::TabStyleRectangular;
    EXPECT_EQ(CVrxPTabWnd::TabStyleRounded, bar.TabWindow()->styleCode);
    EXPECT_EQ(static_cast<COLORREF>(-1), bar.TabWindow()->TabColorAt(0)) << "automatic colours off";
    EXPECT_NE(RGB(1, 1, 1), bar.TabWindow()->AutoColorPalette().front()) << "the built-in palette again";

    const HWND hBar = bar.GetSafeHwnd();
    bar.DestroyWindow();
    EXPECT_EQ(live.end(), std::find(live.begin(), live.end(), hBar));
}
} // namespace
