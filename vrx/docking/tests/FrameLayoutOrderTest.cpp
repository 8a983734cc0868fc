// The order in which the frame's edges are handed out: the dock bars come
// first (the menu bar in the top one's first row, across the frame), the auto-hide
// strip runs along the frame's left edge under the menu bar, the docked panes
// fit inside those, and the MDI client takes what is left.

#include "docking/CVrxPAutoHideDockBar.h"
#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/tests/DockingTestBars.h"
#include "toolbars/CVrxPMenuBar.h"

#include <gtest/gtest.h>

namespace
{
const int clientWidth = 640;
const int clientHeight = 480;
const int rightPaneWidth = 180;
const int bottomPaneHeight = 120;
const int sliderThickness = CVrxPSlider::defaultThickness;

class FrameLayoutOrderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateWithClient(clientWidth, clientHeight));
        frame.CreateAutoHideSites(CBRS_ALIGN_ANY);
        hMenu = ::CreateMenu();
        HMENU hFile = ::CreatePopupMenu();
        ::AppendMenu(hFile, MF_STRING, 100, "E&xit");
        ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hFile), "&File");
        ::SetMenu(frame.GetSafeHwnd(), hMenu);
        ASSERT_TRUE(menuBar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE806));
        ASSERT_TRUE(frame.PlaceBarDocked(&menuBar));
        ASSERT_TRUE(toolbar.CreateIn(&frame, 101));
        frame.GetBarManager().DockControlBar(&toolbar, CVrxPDockBar::idTop, nullptr);
        ASSERT_TRUE(properties.Create("Properties", &frame, CSize(rightPaneWidth, rightPaneWidth), TRUE, 2,
                                      WS_CHILD | WS_VISIBLE | CBRS_ALIGN_RIGHT, 32, 15));
        ASSERT_TRUE(output.Create("Output", &frame, CSize(bottomPaneHeight, bottomPaneHeight), TRUE, 1,
                                  WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM, 32, 15));
        ASSERT_TRUE(tools.Create("Tools", &frame, CSize(160, 160), TRUE, 4, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT,
                                 32, 15));
        for (CVrxPDockingControlBar* pPane : {&properties, &output, &tools})
            ASSERT_TRUE(frame.PlaceBarDocked(pPane));
        ASSERT_TRUE(tools.SwitchAutoHide(TRUE));
        frame.RecalcLayout();
    }
    void TearDown() override
    {
        frame.DestroyWindow();
        ::DestroyMenu(hMenu);
    }

    CRect RectOf(const CWnd& wnd) { return RectInClient(wnd.GetSafeHwnd(), frame); }
    CRect MdiRect() { return RectInClient(frame.m_hWndMDIClient, frame); }
    CRect DockBarRect(DWORD dwSide)
    {
        CVrxPDockBar* pDockBar = frame.GetBarManager().FindDockBar(dwSide, TRUE);
        return pDockBar != nullptr ? RectOf(*pDockBar) : CRect();
    }

    DockingTestFrame frame;
    HMENU hMenu = NULL;
    CVrxPMenuBar menuBar;
    ToolbarLikeBar toolbar;
    CVrxPDockingControlBar properties, output, tools;
};

TEST_F(FrameLayoutOrderTest, MenuBarAndStripSpanTheFrameAndPanesFitInside)
{
    CVrxPAutoHideDockBar* pStrip = frame.GetBarManager().AutoHideBarFor(CBRS_ALIGN_LEFT, FALSE);
    ASSERT_NE(nullptr, pStrip);
    ASSERT_TRUE(pStrip->IsWindowVisible());

    const CRect rectMenu = RectOf(menuBar);
    ASSERT_GT(rectMenu.Height(), 0);
    EXPECT_EQ(CRect(0, 0, clientWidth, rectMenu.Height()), rectMenu) << "the menu bar spans the frame on top";

    const CRect rectTop = DockBarRect(CBRS_ALIGN_TOP);
    EXPECT_EQ(CRect(0, 0, clientWidth, rectMenu.bottom + toolbar.thickness), rectTop)
        << "the top dock bar holds the menu bar's row and the toolbar's, across the frame";

    const int nBelowDockBars = rectTop.bottom;
    const CRect rectStrip = RectOf(*pStrip);
    EXPECT_EQ(CRect(0, nBelowDockBars, pStrip->GetThickness(), clientHeight), rectStrip)
        << "the strip runs down the frame's left edge to its bottom";

    const CRect rectProperties = RectOf(properties);
    EXPECT_EQ(CRect(clientWidth - rightPaneWidth, nBelowDockBars, clientWidth, clientHeight), rectProperties);

    const CRect rectOutput = RectOf(output);
    EXPECT_EQ(CRect(rectStrip.right, clientHeight - bottomPaneHeight, rectProperties.left - sliderThickness,
                    clientHeight),
              rectOutput)
        << "the bottom pane lies between the strip and the right pane's slider";

    EXPECT_EQ(CRect(rectStrip.right, nBelowDockBars, rectOutput.right, rectOutput.top - sliderThickness), MdiRect())
        << "the auto-hidden pane's slider keeps no room";
    EXPECT_EQ(MdiRect(), frame.GetBarManager().GetOuterRect());
    EXPECT_EQ(CRect(rectStrip.right, nBelowDockBars, clientWidth, clientHeight), frame.GetBarManager().GetInnerRect())
        << "the inner rectangle is the room after the dock bars and strips";
}

TEST_F(FrameLayoutOrderTest, TheBarManagerAloneLaysOutInTheSameOrder)
{
    const CRect rectProperties = RectOf(properties);
    const CRect rectOutput = RectOf(output);
    for (CWnd* pBar : {static_cast<CWnd*>(&properties), static_cast<CWnd*>(&output)})
        pBar->SetWindowPos(nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    frame.GetBarManager().AdjustDockingLayout();
    EXPECT_EQ(rectProperties, RectOf(properties));
    EXPECT_EQ(rectOutput, RectOf(output));
}
} // namespace
