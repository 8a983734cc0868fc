// Panes docked at two sides of a frame, one floating and one hidden at the
// left side and slid in, under the menu bar, in a virtual desktop; the
// screen is kept.

#include "docking/CVrxPAutoHideDockBar.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/tests/DockingViewHarness.h"
#include "toolbars/CVrxPMenuBar.h"

namespace
{
using Harness = DockingViewHarness;

TEST(DockingView, PanesAtTheSidesAndOneFloating)
{
    DockingTestFrame frame;
    ASSERT_TRUE(Harness::OpenFrame(frame, "Docking"));
    HMENU hMenu = ::CreateMenu();
    HMENU hFile = ::CreatePopupMenu();
    ::AppendMenu(hFile, MF_STRING, 100, "E&xit");
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hFile), "&File");
    ::SetMenu(frame.GetSafeHwnd(), hMenu);
    frame.CreateAutoHideSites(CBRS_ALIGN_ANY);
    CVrxPMenuBar bar;
    ASSERT_TRUE(bar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE806));
    ASSERT_TRUE(frame.PlaceBarDocked(&bar));
    CVrxPDockingControlBar output, properties, log, tools;
    ASSERT_TRUE(output.Create("Output", &frame, CSize(150, 150), TRUE, 1, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM,
                              32, 15));
    ASSERT_TRUE(properties.Create("Properties", &frame, CSize(180, 180), TRUE, 2,
                                  WS_CHILD | WS_VISIBLE | CBRS_ALIGN_RIGHT, 32, 15));
    ASSERT_TRUE(log.Create("Log", &frame, CSize(120, 120), TRUE, 3, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM, 32, 15));
    ASSERT_TRUE(tools.Create("Tools", &frame, CSize(160, 160), TRUE, 4, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, 32,
                             15));
    for (CVrxPDockingControlBar* pPane : {&output, &properties, &log, &tools})
        ASSERT_TRUE(frame.PlaceBarDocked(pPane));
    frame.ShowWindow(SW_SHOW);
    Harness::LetTheDesktopCatchUp();
    ASSERT_TRUE(log.FloatPane(CRect(420, 200, 720, 360)));
    ASSERT_TRUE(tools.SwitchAutoHide(TRUE));
    CVrxPAutoHideDockBar* pStrip = frame.GetBarManager().AutoHideBarFor(CBRS_ALIGN_LEFT, FALSE);
    ASSERT_NE(nullptr, pStrip);
    pStrip->ShowPane(&tools, TRUE);
    // The slid-in pane stays while the mouse rests on it.
    CRect rectTools;
    tools.GetWindowRect(&rectTools);
    ::SetCursorPos(rectTools.CenterPoint().x, rectTools.CenterPoint().y);
    frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    log.GetMiniFrame()->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Harness::LetTheDesktopCatchUp();

    CRect rectOutput, rectProperties, rectMdi;
    output.GetWindowRect(&rectOutput);
    properties.GetWindowRect(&rectProperties);
    ::GetWindowRect(frame.m_hWndMDIClient, &rectMdi);
    EXPECT_EQ(rectMdi.bottom + CVrxPSlider::defaultThickness, rectOutput.top) << "the output pane's slider between";
    EXPECT_EQ(rectMdi.right + CVrxPSlider::defaultThickness, rectProperties.left);
    EXPECT_EQ(180, rectProperties.Width());
    EXPECT_TRUE(log.GetMiniFrame()->IsWindowVisible());
    EXPECT_EQ(log.GetSafeHwnd(), ::WindowFromPoint(CPoint(570, 300))) << "the floating pane is above its frame";
    EXPECT_TRUE(tools.IsWindowVisible()) << "the auto-hidden pane is slid in";
    windriver::save_screen(Harness::Shot());

    frame.DestroyWindow();
    ::DestroyMenu(hMenu);
}
} // namespace

int main(int argc, char** argv)
{
    return DockingViewHarness::Run(argc, argv, "vrx_docking.bmp");
}
