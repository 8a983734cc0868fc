// A toolbar as the frame's bar manager holds it: one row in a dock bar, a
// column at a side, wrapped rows in a floating frame, and the menu bar in a
// row of its own across the frame.

#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarLayout.h"

#include "TestMdiFrame.h"

#include <gtest/gtest.h>

namespace
{
const DWORD barStyle = 0x50402808 | CBRS_SIZE_DYNAMIC;
const int buttonCount = 12;

CRect ScreenRect(const CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect;
}

CRect ClientInScreen(const CWnd& wnd)
{
    CRect rect;
    wnd.GetClientRect(&rect);
    wnd.ClientToScreen(&rect);
    return rect;
}

class ToolBarDockingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "docking", WS_OVERLAPPEDWINDOW, CRect(20, 20, 820, 520)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.CreateWithDefaultStyle(&frame, barStyle, 0xE820));
        bar.AllowDocking(CBRS_ALIGN_ANY);
        for (int i = 0; i < buttonCount; i++)
        {
            bar.InsertButtonCopy(CVrxPToolbarButton(200 + i, -1, "Settings"));
            if (i == 3)
                bar.InsertSeparatorAt();
        }
        ASSERT_TRUE(frame.PlaceBarDocked(&bar));
        frame.ShowWindow(SW_SHOW);
        frame.RecalcLayout();
        PumpMessages();
    }
    void TearDown() override
    {
        if (frame.GetSafeHwnd() != NULL)
            frame.DestroyWindow();
    }

    // The bar's buttons that are not separators, with their rows' tops.
    int RowCount()
    {
        int nRows = 1;
        for (int i = 0; i < bar.GetCount() - 1; i++)
            if (bar.GetButton(i)->wrap)
                nRows++;
        return nRows;
    }
    void ExpectButtonsInside()
    {
        CRect rectClient;
        bar.GetClientRect(&rectClient);
        for (int i = 0; i < bar.GetCount(); i++)
        {
            const CRect& rect = bar.GetButton(i)->rect;
            EXPECT_GE(rect.left, rectClient.left) << i;
            EXPECT_LE(rect.right, rectClient.right) << i;
            EXPECT_LE(rect.bottom, rectClient.bottom) << i;
        }
    }

    TestMdiFrame frame;
    CVrxPToolBar bar;
};

// Docked at the top the bar lies in the top dock bar as one row, its window
// as large as its computed size, the gripper and borders outside its client
// area; stretched it asks for the whole length.
TEST_F(ToolBarDockingTest, DockedAtTheTopItIsOneRowInTheTopDockBar)
{
    CVrxPDockBar* pTop = frame.GetBarManager().FindDockBar(CBRS_ALIGN_TOP, TRUE);
    ASSERT_NE(nullptr, pTop);
    EXPECT_EQ(pTop, bar.GetDockSite());
    EXPECT_EQ(pTop, bar.GetParent());
    EXPECT_FALSE(bar.IsFloatingInMiniFrame());
    EXPECT_EQ(1, RowCount());

    const CSize size = bar.CalcBarSize(FALSE, TRUE);
    EXPECT_EQ(size, ScreenRect(bar).Size());
    EXPECT_EQ(bar.EffectiveButtonHeight(), bar.GetButton(0)->rect.Height());
    CRect insets(0, 0, 0, 0);
    bar.ApplyBorderInsets(insets, TRUE);
    EXPECT_EQ(size.cy, bar.EffectiveButtonHeight() + insets.top - insets.bottom);
    const CRect rectClient = ClientInScreen(bar);
    const CRect rectWindow = ScreenRect(bar);
    EXPECT_EQ(rectWindow.left + insets.left, rectClient.left) << "the gripper lies left of the client area";
    EXPECT_GE(bar.CalcBarSize(TRUE, TRUE).cx, CVrxPToolbarLayout::unlimited);
    EXPECT_EQ(size.cy, bar.CalcBarSize(TRUE, TRUE).cy);
    EXPECT_EQ(ScreenRect(*pTop).Height(), size.cy) << "the dock bar is as thick as its one row";
    ExpectButtonsInside();

    CRect rectGripper;
    CVrxPBarPainter(&bar).GripperRect(&rectGripper, FALSE);
    EXPECT_EQ(0, rectGripper.left);
    EXPECT_EQ(insets.left - 1, rectGripper.right);
    EXPECT_EQ(rectWindow.Height(), rectGripper.Height());
}

// At the left side the buttons stack in one column; the separator lies flat.
TEST_F(ToolBarDockingTest, DockedAtASideTheButtonsStack)
{
    frame.GetBarManager().DockControlBar(&bar, CVrxPDockBar::idLeft, nullptr);
    frame.RecalcLayout();
    PumpMessages();
    ASSERT_EQ(frame.GetBarManager().FindDockBar(CBRS_ALIGN_LEFT, TRUE), bar.GetDockSite());
    EXPECT_FALSE(bar.IsAlignedHorizontally());
    for (int i = 1; i < bar.GetCount(); i++)
    {
        EXPECT_EQ(bar.GetButton(i - 1)->rect.bottom, bar.GetButton(i)->rect.top) << i;
        EXPECT_EQ(bar.GetButton(0)->rect.left, bar.GetButton(i)->rect.left) << i;
    }
    EXPECT_EQ(CVrxPToolBar::separatorWidth, bar.GetButton(4)->rect.Height());
    EXPECT_EQ(bar.CalcBarSize(FALSE, FALSE), ScreenRect(bar).Size());
    ExpectButtonsInside();
}

// Floating, a bar of dynamic size wraps at its recent length and its frame
// fits it; the gripper goes and docking again brings the one row back.
TEST_F(ToolBarDockingTest, FloatingItWrapsAtItsRecentLengthInAFittingFrame)
{
    ASSERT_TRUE(bar.FloatBar(CRect(100, 100, 200, 200), CVrxPControlBar::dockToRecentPlace, TRUE));
    PumpMessages();
    CVrxPMiniFrameWnd* pMiniFrame = dynamic_cast<CVrxPMiniFrameWnd*>(bar.GetParent());
    ASSERT_NE(nullptr, pMiniFrame);
    EXPECT_TRUE(bar.IsFloatingInMiniFrame());
    EXPECT_EQ(1, RowCount()) << "no recent length yet: one row";

    const CSize laid = bar.SizeForLength(250, FALSE);
    bar.RecalcBarLayout();
    PumpMessages();
    const int nRows = RowCount();
    EXPECT_GE(nRows, 3);
    EXPECT_LE(laid.cx, 250);
    EXPECT_EQ(bar.CalcBarSize(FALSE, TRUE), ScreenRect(bar).Size());
    EXPECT_EQ(ClientInScreen(*pMiniFrame).Size(), ScreenRect(bar).Size()) << "the floating frame fits the bar";
    const int nRowStep = bar.EffectiveButtonHeight() + CVrxPToolbarLayout::rowGap;
    EXPECT_EQ(bar.GetButton(0)->rect.top + (nRows - 1) * nRowStep, bar.GetButton(bar.GetCount() - 1)->rect.top);
    ExpectButtonsInside();
    // A separator that ends up starting a row takes no room.
    for (int i = 1; i < bar.GetCount(); i++)
    {
        if (bar.GetButton(i - 1)->wrap && bar.GetButton(i)->IsSeparator())
        {
            EXPECT_EQ(0, bar.GetButton(i)->rect.Width()) << i;
        }
    }

    CRect rectGripper;
    CVrxPBarPainter(&bar).GripperRect(&rectGripper, FALSE);
    EXPECT_TRUE(rectGripper.IsRectEmpty()) << "no gripper without a dock site";

    frame.GetBarManager().DockControlBar(&bar, CVrxPDockBar::idTop, nullptr);
    frame.RecalcLayout();
    PumpMessages();
    EXPECT_FALSE(bar.IsFloatingInMiniFrame());
    EXPECT_EQ(frame.GetBarManager().FindDockBar(CBRS_ALIGN_TOP, TRUE), bar.GetDockSite());
    EXPECT_EQ(1, RowCount());
    EXPECT_EQ(bar.CalcBarSize(FALSE, TRUE), ScreenRect(bar).Size());
}

// The menu bar keeps a row to itself across the frame's whole width and
// wraps its items there when the frame is narrow; a toolbar docked beside
// it goes to a row of its own.
TEST_F(ToolBarDockingTest, TheMenuBarSpansItsOwnRow)
{
    HMENU hMenu = ::CreateMenu();
    for (const char* text : {"&File", "&Edit", "&View", "&Window", "&Help", "&Tools", "&Options"})
        ::AppendMenu(hMenu, MF_STRING, 100, text);
    ::SetMenu(frame.GetSafeHwnd(), hMenu);
    CVrxPMenuBar menuBar;
    ASSERT_TRUE(menuBar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE806));
    menuBar.AllowDocking(CBRS_ALIGN_ANY);
    ASSERT_TRUE(frame.PlaceBarDocked(&menuBar));
    frame.RecalcLayout();
    PumpMessages();

    CVrxPDockBar* pTop = frame.GetBarManager().FindDockBar(CBRS_ALIGN_TOP, TRUE);
    ASSERT_EQ(pTop, menuBar.GetDockSite());
    EXPECT_EQ(ClientInScreen(*pTop).Width(), ScreenRect(menuBar).Width());
    const CRect rectMenu = ScreenRect(menuBar);
    const CRect rectBar = ScreenRect(bar);
    EXPECT_TRUE(rectBar.top >= rectMenu.bottom || rectBar.bottom <= rectMenu.top) << "rows of their own";
    const int nOneRow = rectMenu.Height();

    frame.SetWindowPos(nullptr, 0, 0, 160, 400, SWP_NOMOVE | SWP_NOZORDER);
    frame.RecalcLayout();
    PumpMessages();
    EXPECT_EQ(ClientInScreen(*pTop).Width(), ScreenRect(menuBar).Width());
    EXPECT_GT(ScreenRect(menuBar).Height(), nOneRow) << "the items wrap in a narrow frame";
    EXPECT_EQ(menuBar.CalcBarSize(FALSE, TRUE).cy, ScreenRect(menuBar).Height());
    menuBar.DestroyWindow();
    ::DestroyMenu(hMenu);
}
} // namespace
