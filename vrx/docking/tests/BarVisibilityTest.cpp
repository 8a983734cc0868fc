// The frame events that hide and show bars and floating frames together:
// minimising and deactivating, hiding with the in-place bars, print
// preview.

#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/tests/DockingTestBars.h"

#include <gtest/gtest.h>

namespace
{
class BarVisibilityTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateWithClient(500, 400));
        ASSERT_TRUE(toolbar.CreateIn(&frame, 401));
        ASSERT_TRUE(pane.Create("Pane", &frame, CSize(120, 120), TRUE, 402, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM,
                                32, 15));
        ASSERT_TRUE(frame.PlaceBarDocked(&pane));
        Manager().DockControlBar(&toolbar, CVrxPDockBar::idTop, nullptr);
        ASSERT_NE(nullptr, toolbar.GetDockSite());
    }
    void TearDown() override
    {
        if (CVrxPMiniFrameWnd* pMiniFrame = toolbar.FindMiniFrameParent())
        {
            toolbar.SetParent(&frame);
            pMiniFrame->ReleaseHostedBar();
        }
        frame.DestroyWindow();
    }
    CVrxPFrameBarManager& Manager() { return frame.GetBarManager(); }
    CRect Outer() const { return const_cast<DockingTestFrame&>(frame).GetBarManager().GetOuterRect(); }
    // Floats the toolbar and the pane; their frames.
    void FloatBoth(CVrxPMiniFrameWnd*& pToolbarFrame, CVrxPMiniFrameWnd*& pPaneFrame)
    {
        ASSERT_TRUE(toolbar.FloatBar(CRect(300, 300, 0, 0), CVrxPControlBar::dockByWindowMenu, TRUE));
        ASSERT_TRUE(pane.FloatPane(CRect(100, 300, 300, 450)));
        pToolbarFrame = toolbar.FindMiniFrameParent();
        pPaneFrame = pane.GetMiniFrame();
        ASSERT_NE(nullptr, pToolbarFrame);
        ASSERT_NE(nullptr, pPaneFrame);
    }

    DockingTestFrame frame;
    ToolbarLikeBar toolbar{160, 26};
    CVrxPDockingControlBar pane;
};

TEST_F(BarVisibilityTest, FloatingFramesAreListedWhileTheyLive)
{
    CVrxPMiniFrameWnd* pToolbarFrame = nullptr;
    CVrxPMiniFrameWnd* pPaneFrame = nullptr;
    FloatBoth(pToolbarFrame, pPaneFrame);
    EXPECT_EQ(2, Manager().GetMiniFrames().GetCount());
    EXPECT_TRUE(Manager().GetMiniFrames().Find(pToolbarFrame) != NULL);
    EXPECT_FALSE(Manager().AddMiniFrame(pToolbarFrame)) << "listed once";
    pane.DockPane();
    EXPECT_EQ(1, Manager().GetMiniFrames().GetCount()) << "the pane's frame went with its pane";
    EXPECT_TRUE(Manager().GetMiniFrames().Find(pToolbarFrame) != NULL);
}

// A main frame hides only the frames of its floating toolbars; its
// floating panes stay in view.
TEST_F(BarVisibilityTest, AMainFrameHidesOnlyItsFloatingToolbars)
{
    CVrxPMiniFrameWnd* pToolbarFrame = nullptr;
    CVrxPMiniFrameWnd* pPaneFrame = nullptr;
    FloatBoth(pToolbarFrame, pPaneFrame);
    ASSERT_TRUE(pToolbarFrame->IsWindowVisible());
    Manager().ShowFloatingFrames(FALSE);
    Manager().ShowFloatingFrames(FALSE);
    EXPECT_FALSE(pToolbarFrame->IsWindowVisible());
    EXPECT_TRUE(pPaneFrame->IsWindowVisible());
    Manager().ShowFloatingFrames(TRUE);
    EXPECT_TRUE(pToolbarFrame->IsWindowVisible());
    pToolbarFrame->ShowWindow(SW_HIDE);
    Manager().ShowFloatingFrames(TRUE);
    EXPECT_FALSE(pToolbarFrame->IsWindowVisible()) << "only what it hid itself comes back";
}

TEST_F(BarVisibilityTest, InPlaceBarsHideAndComeBackWithTheirRoom)
{
    EXPECT_EQ(26, Outer().top);
    toolbar.SetBarStyle(toolbar.GetBarStyle() | CBRS_HIDE_INPLACE);
    EXPECT_EQ(0, Manager().HideBars(FALSE));
    EXPECT_TRUE(Manager().AreBarsHidden());
    EXPECT_FALSE(toolbar.IsWindowVisible());
    EXPECT_TRUE(pane.IsWindowVisible()) << "a bar without the style stays";
    EXPECT_EQ(0, Outer().top) << "the emptied dock bar gives its room back";
    Manager().HideBars(TRUE);
    EXPECT_FALSE(Manager().AreBarsHidden());
    EXPECT_TRUE(toolbar.IsWindowVisible());
    EXPECT_EQ(26, Outer().top);
}

TEST_F(BarVisibilityTest, AStateThatHoldsAlreadyChangesNothing)
{
    toolbar.SetBarStyle(toolbar.GetBarStyle() | CBRS_HIDE_INPLACE);
    Manager().HideBars(TRUE);
    EXPECT_TRUE(toolbar.IsWindowVisible()) << "nothing to restore";
    Manager().HideBars(FALSE);
    toolbar.SetBarShown(TRUE, FALSE, FALSE);
    Manager().HideBars(FALSE);
    EXPECT_TRUE(toolbar.IsWindowVisible()) << "hiding twice hides once";
    Manager().HideBars(TRUE);
}

TEST_F(BarVisibilityTest, PrintPreviewClearsTheFrameAndGivesEverythingBack)
{
    CRect rectClient;
    frame.GetClientRect(&rectClient);
    ASSERT_TRUE(toolbar.FloatBar(CRect(300, 300, 0, 0), CVrxPControlBar::dockByWindowMenu, TRUE));
    CVrxPMiniFrameWnd* pToolbarFrame = toolbar.FindMiniFrameParent();
    ASSERT_NE(nullptr, pToolbarFrame);
    ASSERT_NE(rectClient, Outer()) << "the pane takes its room";

    Manager().SetPrintPreviewMode(TRUE);
    EXPECT_TRUE(Manager().IsPrintPreview());
    EXPECT_FALSE(pane.IsWindowVisible());
    EXPECT_FALSE(pToolbarFrame->IsWindowVisible());
    EXPECT_EQ(rectClient, Outer()) << "no bar and no dock bar keeps room";

    Manager().SetPrintPreviewMode(FALSE);
    EXPECT_FALSE(Manager().IsPrintPreview());
    EXPECT_TRUE(pane.IsWindowVisible());
    EXPECT_TRUE(pToolbarFrame->IsWindowVisible());
    EXPECT_EQ(rectClient.bottom - 120 - CVrxPSlider::defaultThickness, Outer().bottom);
}
} // namespace
