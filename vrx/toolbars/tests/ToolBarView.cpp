// Plays two toolbars as a user does, in a virtual desktop: the first floats
// in its own frame, wrapped in rows, the second is docked at the top of the
// frame. The mouse rests on the floating bar's Save button until the tooltip
// shows the shortcut, then moves onto the docked bar, and a click there sends
// its command. The screen is kept with the tooltip shown.

#include "docking/CVrxPMiniFrameWnd.h"
#include "foundation/CVrxPAccelFormatter.h"
#include "foundation/CVrxPGlobals.h"
#include "ole/COleDataObject.h"
#include "ole/COleDataSource.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include "MouseInput.h"
#include "WindowDriver.h"
#include "ScreenPicture.h"
#include "TestMdiFrame.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string g_shot = "vrx_toolbar.bmp";

// The text of the tooltip window shown, or empty when none shows.
std::string ShownTooltip()
{
    HWND hTip = NULL;
    while ((hTip = ::FindWindowEx(NULL, hTip, TOOLTIPS_CLASS, nullptr)) != NULL)
    {
        if (!::IsWindowVisible(hTip))
            continue;
        char text[80] = {};
        TOOLINFO info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.lpszText = text;
        if (::SendMessage(hTip, TTM_GETCURRENTTOOL, 0, reinterpret_cast<LPARAM>(&info)))
            return text;
    }
    return std::string();
}

CPoint ScreenCentre(CVrxPToolBar& bar, int nIndex)
{
    CPoint point = bar.GetButton(nIndex)->rect.CenterPoint();
    bar.ClientToScreen(&point);
    return point;
}

COLORREF ScreenPixel(CVrxPToolBar& bar, int x, int y)
{
    CPoint point(x, y);
    bar.ClientToScreen(&point);
    HDC hScreen = ::GetDC(NULL);
    const COLORREF colour = ::GetPixel(hScreen, point.x, point.y);
    ::ReleaseDC(NULL, hScreen);
    return colour;
}
} // namespace

TEST(ToolBarView, WrapsTracksTheHotButtonAcrossBarsAndSendsAClick)
{
    TestMdiFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "toolbars", WS_OVERLAPPEDWINDOW, CRect(40, 40, 440, 340)));
    frame.AllowDockingSides(CBRS_ALIGN_ANY);
    ACCEL save = {FCONTROL | FVIRTKEY, 'S', 102};
    HACCEL hAccel = ::CreateAcceleratorTable(&save, 1);
    frame.m_hAccelTable = hAccel;
    CVrxPToolBar bars[2];
    const char* const texts[] = {"New", "Open", "Save", "Cut", "Copy", "Paste", "Undo", "Redo", "Find", "Print"};
    for (UINT nBar = 0; nBar < 2; nBar++)
    {
        ASSERT_TRUE(bars[nBar].CreateWithDefaultStyle(&frame, 0x50402808 | CBRS_SIZE_DYNAMIC, 0xE820 + nBar));
        for (UINT i = 0; i < (nBar == 0 ? 10u : 3u); i++)
        {
            bars[nBar].InsertButtonCopy(CVrxPToolbarButton(100 * (nBar + 1) + i, -1, texts[i]));
            if (i == 4)
                bars[nBar].InsertSeparatorAt();
        }
        bars[nBar].AllowDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(frame.PlaceBarDocked(&bars[nBar]));
    }
    frame.ShowWindow(SW_SHOW);
    frame.RecalcLayout();
    frame.SetForegroundWindow();
    LetTheInputArrive();
    CVrxPToolBar& wrapped = bars[0];
    EXPECT_EQ(wrapped.GetButton(10)->rect.top, wrapped.GetButton(0)->rect.top) << "docked: one row";
    ASSERT_TRUE(wrapped.FloatBar(CRect(120, 220, 220, 260), CVrxPControlBar::dockToRecentPlace, TRUE));
    ASSERT_NE(nullptr, dynamic_cast<CVrxPMiniFrameWnd*>(wrapped.GetParent()));
    wrapped.SizeForLength(180, FALSE);
    wrapped.RecalcBarLayout();
    LetTheInputArrive();
    ASSERT_EQ(wrapped.GetSafeHwnd(), ::WindowFromPoint(ScreenCentre(wrapped, 2))) << "the floating bar is on top";

    // The docked row no longer shows the floated bar: right of the bar that
    // stays, the dock bar is plain bar face across its middle line.
    CRect rectStays;
    bars[1].GetWindowRect(&rectStays);
    CRect rectDockBar;
    bars[1].GetParent()->GetWindowRect(&rectDockBar);
    int nMarked = 0;
    HDC hScreen = ::GetDC(NULL);
    for (int x = rectStays.right + 2; x < rectDockBar.right - 2; x++)
        nMarked += ::GetPixel(hScreen, x, rectStays.CenterPoint().y) != VrxPGlobals().colorBarFace;
    ::ReleaseDC(NULL, hScreen);
    EXPECT_EQ(0, nMarked) << "pixels left of the floated bar in its old row";

    // 180 pixels hold the floating bar's ten buttons in rows.
    EXPECT_GT(wrapped.GetButton(10)->rect.top, wrapped.GetButton(0)->rect.top);

    windriver::send_mouse(0, ScreenCentre(wrapped, 2));
    LetTheInputArrive();
    EXPECT_EQ(2, wrapped.GetHotIndex());
    const CRect rectHot = wrapped.GetButton(2)->rect;
    EXPECT_EQ(VrxPGlobals().colorBarLightEdge, ScreenPixel(wrapped, rectHot.left, rectHot.top + 3));
    EXPECT_EQ(VrxPGlobals().colorBarShade, ScreenPixel(wrapped, rectHot.right - 1, rectHot.top + 3));
    // Ctrl is named as the keyboard layout names it ("Control" under Wine's).
    CString shortcut;
    CVrxPAccelFormatter(&save).BuildText(shortcut);
    const std::string expected = "Save (" + std::string(shortcut) + ")";
    EXPECT_EQ("S", std::string(shortcut).substr(shortcut.GetLength() - 1));
    EXPECT_TRUE(RunMessagesUntil([&] { return ShownTooltip() == expected; }, 3000))
        << "shown: \"" << ShownTooltip() << "\"";
    windriver::save_screen(g_shot);

    CVrxPToolBar& second = bars[1];
    windriver::send_mouse(0, ScreenCentre(second, 1));
    LetTheInputArrive();
    EXPECT_EQ(1, second.GetHotIndex());
    EXPECT_EQ(-1, wrapped.GetHotIndex()) << "the first bar's hot button is cleared";
    EXPECT_EQ(VrxPGlobals().colorBarFace, ScreenPixel(wrapped, rectHot.left, rectHot.top + 3));

    windriver::send_mouse(MOUSEEVENTF_LEFTDOWN, ScreenCentre(second, 1));
    windriver::send_mouse(MOUSEEVENTF_LEFTUP, ScreenCentre(second, 1));
    LetTheInputArrive();
    ASSERT_EQ(1u, frame.commands.size());
    EXPECT_EQ(201u, frame.commands[0]);

    frame.DestroyWindow();
    ::DestroyAcceleratorTable(hAccel);
}

// In customise mode a clicked button is selected and framed, and a button
// dragged over the bar from elsewhere clears the selection and shows where it
// would go.
TEST(ToolBarView, CustomiseModeFramesTheSelectionAndMarksTheInsertionPoint)
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    TestMdiFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "customise", WS_OVERLAPPEDWINDOW, CRect(40, 40, 440, 340)));
    frame.AllowDockingSides(CBRS_ALIGN_ANY);
    CVrxPToolBar bar;
    ASSERT_TRUE(bar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE820));
    for (const char* text : {"New", "Open", "Save", "Cut", "Copy"})
        bar.InsertButtonCopy(CVrxPToolbarButton(300 + static_cast<UINT>(bar.GetCount()), -1, text));
    bar.AllowDocking(CBRS_ALIGN_ANY);
    ASSERT_TRUE(frame.PlaceBarDocked(&bar));
    frame.ShowWindow(SW_SHOW);
    frame.RecalcLayout();
    frame.SetForegroundWindow();
    LetTheInputArrive();
    ASSERT_TRUE(CVrxPToolBar::SetCustomizeMode(TRUE));

    windriver::send_mouse(0, ScreenCentre(bar, 1));
    windriver::send_mouse(MOUSEEVENTF_LEFTDOWN, ScreenCentre(bar, 1));
    windriver::send_mouse(MOUSEEVENTF_LEFTUP, ScreenCentre(bar, 1));
    LetTheInputArrive();
    EXPECT_EQ(1, bar.GetSelectedIndex());
    const CRect rectOpen = bar.GetButton(1)->rect;
    EXPECT_EQ(VrxPGlobals().colorBarText, ScreenPixel(bar, rectOpen.left + 1, rectOpen.CenterPoint().y)) << "the frame";
    std::string shot = g_shot;
    shot.insert(shot.size() - 4, "_customize");
    windriver::save_screen(shot);

    COleDataSource source;
    ASSERT_TRUE(CVrxPToolbarButton(399, -1, "Paste").PutOnDataSource(source));
    COleDataObject data;
    data.Attach(&source, FALSE);
    const CRect rectCut = bar.GetButton(3)->rect;
    EXPECT_EQ(DROPEFFECT_MOVE, bar.HandleDragOver(&data, MK_LBUTTON, CPoint(rectCut.left + 2, rectCut.top + 4)));
    EXPECT_EQ(3, bar.GetDropIndex());
    LetTheInputArrive();
    EXPECT_EQ(-1, bar.GetSelectedIndex()) << "a drag from elsewhere clears the selection";
    EXPECT_EQ(VrxPGlobals().colorBarText, ScreenPixel(bar, bar.GetInsertMark().CenterPoint().x - 1,
                                                      bar.GetInsertMark().CenterPoint().y))
        << "the mark";
    shot = g_shot;
    shot.insert(shot.size() - 4, "_insertmark");
    windriver::save_screen(shot);

    bar.HandleDragLeave();
    CVrxPToolBar::SetCustomizeMode(FALSE);
    frame.DestroyWindow();
    ::OleUninitialize();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    g_shot = windriver::shot_path(argc, argv, g_shot);
    return RUN_ALL_TESTS();
}
