#include "docking/CVrxPDockingControlBar.h"

#include "docking/CVrxPAutoHideButton.h"
#include "docking/CVrxPAutoHideDockBar.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/tests/DockingTestBars.h"
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
const int sliderThickness = CVrxPSlider::defaultThickness;

// A 200 x 100 window: the caption tops it, the client area takes the rest;
// a caption taller than the window is cut, none leaves it all client.
TEST(PaneLayoutTest, TheCaptionTopsTheWindow)
{
    const struct
    {
        int nCaption;
        CSize size;
        CRect caption;
        CRect client;
    } cases[] = {{20, CSize(200, 100), CRect(0, 0, 200, 20), CRect(0, 20, 200, 100)},
                 {20, CSize(200, 10), CRect(0, 0, 200, 10), CRect(0, 10, 200, 10)},
                 {0, CSize(200, 100), CRect(0, 0, 200, 0), CRect(0, 0, 200, 100)}};
    for (const auto& c : cases)
    {
        const Layout layout = CVrxPDockingControlBar::ComputeLayout(c.size, c.nCaption);
        EXPECT_EQ(c.caption, layout.caption) << c.nCaption << " in " << c.size.cy;
        EXPECT_EQ(c.client, layout.client) << c.nCaption << " in " << c.size.cy;
    }
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
    CRect PaneRect() { return RectInClient(pane.GetSafeHwnd(), frame); }
    CRect MdiRect() { return RectInClient(frame.m_hWndMDIClient, frame); }

    OwnedFrame frame;
    CVrxPDockingControlBar pane;
};

TEST_F(PaneInFrameTest, DocksAtTheLeftSide)
{
    AddPane(CBRS_ALIGN_LEFT, 130);
    CRect rectClient;
    frame.GetClientRect(&rectClient);
    EXPECT_EQ(CRect(0, 0, 130, rectClient.bottom), PaneRect());
    ASSERT_NE(nullptr, pane.GetDefaultSlider());
    EXPECT_EQ(CRect(130, 0, 130 + sliderThickness, rectClient.bottom),
              RectInClient(pane.GetDefaultSlider()->GetSafeHwnd(), frame))
        << "the slider lies along the pane's inner edge";
    EXPECT_EQ(130 + sliderThickness, MdiRect().left);
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

// The buttons sit at the caption's right end, 2 pixels apart, in the order
// close, pin, menu; a button the pane may not use leaves its place to the
// next one.
struct ButtonLayoutCase
{
    DWORD flags;
    int menuButton;
    // Left edges from the caption's right end (0: hidden).
    int closeFromRight;
    int pinFromRight;
    int menuFromRight;
};

class CaptionButtonLayoutTest : public PaneInFrameTest, public ::testing::WithParamInterface<ButtonLayoutCase>
{
protected:
    void TearDown() override
    {
        CVrxPDockingControlBar::paneCaptionMenuButton = 0;
        PaneInFrameTest::TearDown();
    }
};

TEST_P(CaptionButtonLayoutTest, PlacesTheButtonsFromTheRight)
{
    const ButtonLayoutCase& c = GetParam();
    CVrxPDockingControlBar::paneCaptionMenuButton = c.menuButton;
    ASSERT_TRUE(pane.Create("Output", &frame, CSize(300, 120), TRUE, 32804, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM,
                            32, c.flags));
    ASSERT_TRUE(frame.PlaceBarDocked(&pane));
    const CRect caption(0, 10, 300, 31);
    pane.ArrangeCaptionButtons(caption);
    const int fromRight[3] = {c.closeFromRight, c.pinFromRight, c.menuFromRight};
    const int hits[3] = {CVrxPMiniFrameTitleButton::hitPaneClose, CVrxPMiniFrameTitleButton::hitPin,
                         CVrxPMiniFrameTitleButton::hitMenu};
    ASSERT_EQ(3, pane.GetCaptionButtonCount());
    for (int i = 0; i < 3; i++)
    {
        const CVrxPMiniFrameTitleButton* pButton = pane.GetCaptionButton(i);
        ASSERT_EQ(hits[i], pButton->HitCode());
        EXPECT_EQ(fromRight[i] == 0, pButton->hidden) << "hit " << hits[i];
        if (fromRight[i] == 0)
            continue;
        EXPECT_EQ(CRect(300 - fromRight[i], 12, 315 - fromRight[i], 29), pButton->GetRect())
            << "hit " << hits[i] << ": 2 pixels below a 21-pixel caption's top";
    }
}

INSTANTIATE_TEST_SUITE_P(Flags, CaptionButtonLayoutTest,
                         ::testing::Values(ButtonLayoutCase{15, 0, 17, 34, 0}, ButtonLayoutCase{15, 1, 17, 34, 51},
                                           ButtonLayoutCase{7, 0, 0, 17, 0}, ButtonLayoutCase{13, 1, 17, 0, 34},
                                           ButtonLayoutCase{5, 0, 0, 0, 0}));

// A pane never sized again after it was made, as a tab group that takes
// its first pane's place: the buttons are placed at once, not left at the
// caption's left end hiding its text.
TEST_F(PaneInFrameTest, ButtonsArePlacedWhenThePaneIsMade)
{
    ASSERT_TRUE(pane.Create("Output", &frame, CSize(300, 120), TRUE, 32804, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM,
                            32, 15));
    CRect rectWindow;
    pane.GetWindowRect(&rectWindow);
    ASSERT_EQ(300, rectWindow.Width());
    EXPECT_EQ(300 - 17, pane.FindCaptionButton(CVrxPMiniFrameTitleButton::hitPaneClose)->GetRect().left);
    EXPECT_EQ(300 - 34, pane.FindCaptionButton(CVrxPMiniFrameTitleButton::hitPin)->GetRect().left);
}

CPoint ButtonCenter(const CVrxPDockingControlBar& pane, int nHit)
{
    CRect rectWindow;
    pane.GetWindowRect(&rectWindow);
    CRect rect = pane.FindCaptionButton(nHit)->GetRect();
    rect.OffsetRect(rectWindow.TopLeft());
    return rect.CenterPoint();
}

TEST_F(PaneInFrameTest, TheButtonsAnswerTheirHitCodes)
{
    AddPane(CBRS_ALIGN_BOTTOM, 120);
    const CPoint close = ButtonCenter(pane, CVrxPMiniFrameTitleButton::hitPaneClose);
    const CPoint pin = ButtonCenter(pane, CVrxPMiniFrameTitleButton::hitPin);
    const CPoint menu = ButtonCenter(pane, CVrxPMiniFrameTitleButton::hitMenu);
    EXPECT_EQ(CVrxPMiniFrameTitleButton::hitPaneClose, pane.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)));
    EXPECT_EQ(CVrxPMiniFrameTitleButton::hitPin, pane.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pin.x, pin.y)));
    EXPECT_EQ(HTCLIENT, pane.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(menu.x, menu.y)))
        << "the hidden menu button's place is caption, which the pane's own drag handles";
    CRect rectWindow;
    pane.GetWindowRect(&rectWindow);
    EXPECT_EQ(HTCLIENT, pane.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rectWindow.left + 50, rectWindow.top + 1)));
    EXPECT_EQ(HTCLIENT, pane.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rectWindow.left + 50, rectWindow.bottom - 5)));
    EXPECT_EQ(HTNOWHERE, pane.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rectWindow.left + 50, rectWindow.top - 2)))
        << "the slider above is no part of the pane";
}

// Hover, press, leave and come back: only a release on the pressed button
// acts.
TEST_F(PaneInFrameTest, ButtonStatesFollowTheMouse)
{
    AddPane(CBRS_ALIGN_BOTTOM, 120);
    CVrxPMiniFrameTitleButton* pClose = pane.FindCaptionButton(CVrxPMiniFrameTitleButton::hitPaneClose);
    CVrxPMiniFrameTitleButton* pPin = pane.FindCaptionButton(CVrxPMiniFrameTitleButton::hitPin);
    const CPoint close = ButtonCenter(pane, CVrxPMiniFrameTitleButton::hitPaneClose);
    const CPoint pin = ButtonCenter(pane, CVrxPMiniFrameTitleButton::hitPin);
    auto clientPoint = [this](CPoint screen) {
        pane.ScreenToClient(&screen);
        return MAKELPARAM(screen.x, screen.y);
    };

    pane.SendMessage(WM_NCMOUSEMOVE, CVrxPMiniFrameTitleButton::hitPaneClose, MAKELPARAM(close.x, close.y));
    EXPECT_TRUE(pClose->highlighted);
    EXPECT_FALSE(pPin->highlighted);
    pane.SendMessage(WM_NCMOUSEMOVE, CVrxPMiniFrameTitleButton::hitPin, MAKELPARAM(pin.x, pin.y));
    EXPECT_FALSE(pClose->highlighted);
    EXPECT_TRUE(pPin->highlighted);

    pane.SendMessage(WM_NCLBUTTONDOWN, CVrxPMiniFrameTitleButton::hitPaneClose, MAKELPARAM(close.x, close.y));
    EXPECT_TRUE(pClose->pushed);
    EXPECT_TRUE(pClose->highlighted);
    EXPECT_EQ(pane.GetSafeHwnd(), ::GetCapture());
    pane.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, clientPoint(pin));
    EXPECT_TRUE(pClose->pushed);
    EXPECT_FALSE(pClose->highlighted) << "pressed but away";
    EXPECT_FALSE(pPin->highlighted) << "another button does not light while one is held";
    pane.SendMessage(WM_LBUTTONUP, 0, clientPoint(pin));
    EXPECT_FALSE(pClose->pushed);
    EXPECT_NE(pane.GetSafeHwnd(), ::GetCapture());
    EXPECT_TRUE(pane.IsPaneVisible()) << "released elsewhere: nothing happens";
    EXPECT_FALSE(pane.IsAutoHideMode());

    pane.SendMessage(WM_NCLBUTTONDOWN, CVrxPMiniFrameTitleButton::hitPaneClose, MAKELPARAM(close.x, close.y));
    pane.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, clientPoint(pin));
    pane.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, clientPoint(close));
    EXPECT_TRUE(pClose->highlighted) << "back over the pressed button";
    pane.SendMessage(WM_LBUTTONUP, 0, clientPoint(close));
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
