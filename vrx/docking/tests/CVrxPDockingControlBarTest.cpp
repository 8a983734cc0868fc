#include "docking/CVrxPDockingControlBar.h"

#include "docking/CVrxPAutoHideButton.h"
#include "docking/CVrxPAutoHideDockBar.h"
#include "docking/CVrxPMDIFrameWnd.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "foundation/CVrxPInplaceToolTipCtrl.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPMakeWindowClass.h"

#include <gtest/gtest.h>

// An auto-hide button class an application put in place of the library's.
class MarkedAutoHideButton : public CVrxPAutoHideButton
{
    DECLARE_DYNCREATE(MarkedAutoHideButton)
};
IMPLEMENT_DYNCREATE(MarkedAutoHideButton, CVrxPAutoHideButton)

namespace
{
using Layout = CVrxPDockingControlBar::NonClientLayout;
const int edge = CVrxPDockingControlBar::sizingEdge;
const int margin = CVrxPDockingControlBar::captionMargin;

struct LayoutCase
{
    DWORD side;
    CRect sizing;
    CRect caption;
    CRect client;
};

class PaneLayoutTest : public ::testing::TestWithParam<LayoutCase>
{
};

// A 200 x 100 window with a 20-pixel caption: the sizing edge faces the
// frame's middle, the caption tops the rest, the close button ends it.
TEST_P(PaneLayoutTest, PlacesTheEdgeTowardsTheMiddle)
{
    const LayoutCase& c = GetParam();
    const Layout layout = CVrxPDockingControlBar::ComputeLayout(c.side, CSize(200, 100), 20);
    EXPECT_EQ(c.sizing, layout.sizing);
    EXPECT_EQ(c.caption, layout.caption);
    EXPECT_EQ(c.client, layout.client);
    const CRect close(c.caption.right - margin - 14, c.caption.top + margin, c.caption.right - margin,
                      c.caption.bottom - margin);
    EXPECT_EQ(close, layout.closeButton);
    EXPECT_EQ(CRect(close.left - 14 - margin, close.top, close.left - margin, close.bottom), layout.pinButton);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, PaneLayoutTest,
    ::testing::Values(LayoutCase{CBRS_ALIGN_BOTTOM, CRect(0, 0, 200, edge), CRect(0, edge, 200, edge + 20),
                                 CRect(0, edge + 20, 200, 100)},
                      LayoutCase{CBRS_ALIGN_TOP, CRect(0, 100 - edge, 200, 100), CRect(0, 0, 200, 20),
                                 CRect(0, 20, 200, 100 - edge)},
                      LayoutCase{CBRS_ALIGN_LEFT, CRect(200 - edge, 0, 200, 100), CRect(0, 0, 200 - edge, 20),
                                 CRect(0, 20, 200 - edge, 100)},
                      LayoutCase{CBRS_ALIGN_RIGHT, CRect(0, 0, edge, 100), CRect(edge, 0, 200, 20),
                                 CRect(edge, 20, 200, 100)}));

TEST(PaneLayoutEdgeTest, AFloatingPaneIsAllClient)
{
    const Layout layout = CVrxPDockingControlBar::ComputeLayout(0, CSize(200, 100), 20);
    EXPECT_EQ(CRect(0, 0, 200, 100), layout.client);
    EXPECT_TRUE(layout.caption.IsRectEmpty());
    EXPECT_TRUE(layout.closeButton.IsRectEmpty());
    EXPECT_TRUE(layout.pinButton.IsRectEmpty());
}

TEST(PaneLayoutEdgeTest, ACaptionTallerThanThePaneIsCut)
{
    const Layout layout = CVrxPDockingControlBar::ComputeLayout(CBRS_ALIGN_BOTTOM, CSize(200, 10), 20);
    EXPECT_EQ(10, layout.caption.bottom);
    EXPECT_EQ(layout.caption.bottom, layout.client.top);
}

class OwnedFrame : public CVrxPMDIFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

class PaneInFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "panes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 620, 520)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
    }
    void TearDown() override { frame.DestroyWindow(); }

    void AddPane(DWORD dwSide, int nSize)
    {
        ASSERT_TRUE(pane.Create("Output", &frame, CSize(nSize, nSize), TRUE, 32804, WS_CHILD | WS_VISIBLE | dwSide, 32,
                                15));
        ASSERT_TRUE(frame.PlaceBarDocked(&pane));
    }
    CRect PaneRect()
    {
        CRect rect;
        pane.GetWindowRect(&rect);
        frame.ScreenToClient(&rect);
        return rect;
    }
    CRect MdiRect()
    {
        CRect rect;
        ::GetWindowRect(frame.m_hWndMDIClient, &rect);
        frame.ScreenToClient(&rect);
        return rect;
    }

    OwnedFrame frame;
    CVrxPDockingControlBar pane;
};

TEST_F(PaneInFrameTest, DocksAtTheLeftSide)
{
    AddPane(CBRS_ALIGN_LEFT, 130);
    CRect rectClient;
    frame.GetClientRect(&rectClient);
    EXPECT_EQ(CRect(0, 0, 130, rectClient.bottom), PaneRect());
    EXPECT_EQ(130, MdiRect().left);
}

TEST_F(PaneInFrameTest, FloatsAndDocksAgain)
{
    AddPane(CBRS_ALIGN_BOTTOM, 120);
    ASSERT_TRUE(pane.FloatPane(CRect(100, 100, 500, 300)));
    ASSERT_TRUE(pane.IsFloating());
    CVrxPMiniFrameWnd* pMiniFrame = pane.GetMiniFrame();
    EXPECT_EQ(pMiniFrame->GetSafeHwnd(), ::GetParent(pane.GetSafeHwnd()));
    EXPECT_EQ(&pane, pMiniFrame->HostedBar());
    EXPECT_EQ(frame.GetSafeHwnd(), pMiniFrame->ownerFrame);
    CRect rectClient;
    frame.GetClientRect(&rectClient);
    EXPECT_EQ(rectClient.bottom, MdiRect().bottom) << "the floating pane leaves the frame's side";
    EXPECT_TRUE(pane.IsPaneVisible());

    pane.DockPane();
    EXPECT_FALSE(pane.IsFloating());
    EXPECT_EQ(frame.GetSafeHwnd(), ::GetParent(pane.GetSafeHwnd()));
    EXPECT_EQ(rectClient.bottom - 120, PaneRect().top);
    EXPECT_EQ(CRect(100, 100, 500, 300), pane.GetRecentFloatRect()) << "the next float goes back there";
}

TEST_F(PaneInFrameTest, TheCloseButtonHidesThePane)
{
    AddPane(CBRS_ALIGN_BOTTOM, 120);
    CRect rectWindow;
    pane.GetWindowRect(&rectWindow);
    const CPoint close(rectWindow.right - margin - 3, rectWindow.top + edge + margin + 3);
    EXPECT_EQ(HTCLOSE, pane.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)));
    pane.SendMessage(WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(close.x, close.y));
    EXPECT_FALSE(pane.IsPaneVisible());
    CRect rectClient;
    frame.GetClientRect(&rectClient);
    EXPECT_EQ(rectClient.bottom, MdiRect().bottom);
}
TEST_F(PaneInFrameTest, HidesAtItsSideAndSlidesInFromTheStrip)
{
    frame.CreateAutoHideSites(CBRS_ALIGN_ANY);
    AddPane(CBRS_ALIGN_BOTTOM, 120);
    ASSERT_TRUE(pane.SwitchAutoHide(TRUE));
    EXPECT_TRUE(pane.IsAutoHideMode());
    EXPECT_FALSE(pane.IsWindowVisible());
    EXPECT_TRUE(pane.IsPaneVisible()) << "an auto-hidden pane counts as shown";
    CVrxPAutoHideDockBar* pStrip = frame.GetBarManager().AutoHideBarFor(CBRS_ALIGN_BOTTOM, FALSE);
    ASSERT_NE(nullptr, pStrip);
    ASSERT_EQ(1, pStrip->GetButtonCount());
    CRect rectClient, rectStrip;
    frame.GetClientRect(&rectClient);
    pStrip->GetWindowRect(&rectStrip);
    frame.ScreenToClient(&rectStrip);
    EXPECT_EQ(rectClient.bottom, rectStrip.bottom);
    EXPECT_EQ(pStrip->GetThickness(), rectStrip.Height());
    EXPECT_EQ(rectStrip.top, MdiRect().bottom) << "only the strip keeps room at the side";

    const CPoint button = pStrip->GetButton(0)->rect.CenterPoint();
    pStrip->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.x, button.y));
    EXPECT_TRUE(pane.IsWindowVisible());
    EXPECT_EQ(&pane, pStrip->GetShownPane());
    EXPECT_EQ(CRect(rectStrip.left, rectStrip.top - 120, rectStrip.right, rectStrip.top), PaneRect())
        << "the pane lies over the frame's middle, next to the strip";
    pStrip->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.x, button.y));
    EXPECT_FALSE(pane.IsWindowVisible()) << "a second click hides it";

    ASSERT_TRUE(pane.SwitchAutoHide(FALSE));
    EXPECT_TRUE(pane.IsWindowVisible());
    EXPECT_FALSE(pStrip->IsWindowVisible()) << "an empty strip goes";
    EXPECT_EQ(rectClient.bottom - 120, PaneRect().top);
}

TEST_F(PaneInFrameTest, NoAutoHideWithoutASiteAtItsSide)
{
    frame.CreateAutoHideSites(CBRS_ALIGN_LEFT);
    AddPane(CBRS_ALIGN_BOTTOM, 120);
    EXPECT_FALSE(pane.SwitchAutoHide(TRUE));
    EXPECT_FALSE(pane.IsAutoHideMode());
    EXPECT_TRUE(pane.IsWindowVisible());
}
// Runs the thread's messages for a while, so that timers fire.
void PumpFor(DWORD dwMilliseconds)
{
    const DWORD dwEnd = ::GetTickCount() + dwMilliseconds;
    while (static_cast<LONG>(dwEnd - ::GetTickCount()) > 0)
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessage(&msg);
        ::Sleep(10);
    }
}

class SlidInPaneTest : public PaneInFrameTest
{
protected:
    void SetUp() override
    {
        PaneInFrameTest::SetUp();
        frame.CreateAutoHideSites(CBRS_ALIGN_ANY);
        AddPane(CBRS_ALIGN_BOTTOM, 120);
        ASSERT_TRUE(pane.SwitchAutoHide(TRUE));
        pStrip = frame.GetBarManager().AutoHideBarFor(CBRS_ALIGN_BOTTOM, FALSE);
        ASSERT_NE(nullptr, pStrip);
    }
    void SlideIn()
    {
        const CPoint button = pStrip->GetButton(0)->rect.CenterPoint();
        pStrip->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.x, button.y));
        ASSERT_TRUE(pane.IsWindowVisible());
    }

    CVrxPAutoHideDockBar* pStrip = nullptr;
};

// A tip shown over the frame's top, away from the pane and its strip, with
// the cursor resting on it: the pane stays; once the tip goes, it slides out.
TEST_F(SlidInPaneTest, AnInPlaceTipUnderTheCursorKeepsThePaneOpen)
{
    SlideIn();
    CRect rectTip(0, 0, 80, 20);
    frame.ClientToScreen(&rectTip);
    rectTip.OffsetRect(40, 40);
    CVrxPInplaceToolTipCtrl tip;
    ASSERT_TRUE(tip.CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, VrxPMakeWindowClass("VrxPTest"), "clipped text",
                             WS_POPUP | WS_VISIBLE, rectTip, &frame, 0));
    ::SetCursorPos(rectTip.CenterPoint().x, rectTip.CenterPoint().y);
    ASSERT_EQ(tip.GetSafeHwnd(), ::WindowFromPoint(rectTip.CenterPoint()));

    PumpFor(3 * CVrxPAutoHideDockBar::checkInterval);
    EXPECT_TRUE(pane.IsWindowVisible());
    EXPECT_EQ(&pane, pStrip->GetShownPane());

    tip.DestroyWindow();
    PumpFor(3 * CVrxPAutoHideDockBar::checkInterval);
    EXPECT_FALSE(pane.IsWindowVisible());
}

TEST_F(SlidInPaneTest, TheStripMakesItsButtonsOfTheReplaceableClass)
{
    EXPECT_TRUE(pStrip->GetButton(0)->IsKindOf(RUNTIME_CLASS(CVrxPAutoHideButton)));
    EXPECT_FALSE(pStrip->GetButton(0)->IsKindOf(RUNTIME_CLASS(MarkedAutoHideButton)));
    ASSERT_TRUE(pane.SwitchAutoHide(FALSE));

    CRuntimeClass* pDefault = VrxPAutoHideButtonClass;
    VrxPAutoHideButtonClass = RUNTIME_CLASS(MarkedAutoHideButton);
    ASSERT_TRUE(pane.SwitchAutoHide(TRUE));
    VrxPAutoHideButtonClass = pDefault;
    ASSERT_EQ(1, pStrip->GetButtonCount());
    EXPECT_TRUE(pStrip->GetButton(0)->IsKindOf(RUNTIME_CLASS(MarkedAutoHideButton)));
    EXPECT_EQ(&pane, pStrip->GetButton(0)->GetPane());
    SlideIn();
}
} // namespace
