// The window-position menu of a docking pane: which items it grays and
// checks in each state, that the caption's menu button opens it below
// itself when clicked, and what each command does.

#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/tests/DockingTestBars.h"
#include "foundation/CVrxPContextMenuManager.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// Keeps what the menu would show, as "F-d-t-A-H": upper case enabled, lower
// case grayed, "*" after a checked item; and vetoes the menu.
class RecordingPane : public CVrxPDockingControlBar
{
public:
    BOOL PrepareWindowPositionMenu(HMENU hMenu) override
    {
        items.clear();
        for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
        {
            char text[64] = "";
            ::GetMenuString(hMenu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
            const std::string label(text);
            const char letter = label[label.find('&') + 1];
            const UINT nState = ::GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION);
            if (!items.empty())
                items += "-";
            items += (nState & MF_GRAYED) != 0 ? static_cast<char>(::tolower(letter)) : letter;
            if ((nState & MF_CHECKED) != 0)
                items += "*";
        }
        ++shown;
        return FALSE;
    }

    BOOL ShowWindowPositionMenu(int x, int y) override
    {
        shownAt = CPoint(x, y);
        return CVrxPDockingControlBar::ShowWindowPositionMenu(x, y);
    }

    std::string items;
    int shown = 0;
    CPoint shownAt;
};

class WindowPositionMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateWithClient(500, 400));
        frame.CreateAutoHideSites(CBRS_ALIGN_ANY);
        ASSERT_TRUE(pane.Create("Output", &frame, CSize(120, 120), TRUE, 7, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM,
                                32, CVrxPBaseControlBar::flagFloat | CVrxPBaseControlBar::flagAutoHide |
                                        CVrxPBaseControlBar::flagDockable | CVrxPBaseControlBar::flagClose));
        ASSERT_TRUE(frame.PlaceBarDocked(&pane));
        pane.EnableDocking(CBRS_ALIGN_ANY);
    }
    void TearDown() override
    {
        CVrxPDockingControlBar::paneCaptionMenuButton = 0;
        frame.DestroyWindow();
    }

    std::string MenuItems()
    {
        EXPECT_FALSE(pane.ShowWindowPositionMenu(10, 10)) << "the hook vetoed it";
        return pane.items;
    }

    CVrxPContextMenuManager menuManager;
    DockingTestFrame frame;
    RecordingPane pane;
};

TEST_F(WindowPositionMenuTest, GraysAndChecksByThePanesState)
{
    EXPECT_EQ("F-D*-t-A-H", MenuItems());

    ASSERT_TRUE(pane.FloatPane(CRect(600, 100, 800, 250)));
    EXPECT_EQ("F*-D-t-a-H", MenuItems());
    pane.DockPane();

    ASSERT_TRUE(pane.SwitchAutoHide(TRUE));
    EXPECT_EQ("f-d-t-A*-h", MenuItems());
    pane.SwitchAutoHide(FALSE);

    pane.SetBarFlags(CVrxPBaseControlBar::flagDockable);
    EXPECT_EQ("f-D*-t-a-h", MenuItems());
    pane.AllowDocking(0);
    EXPECT_FALSE(pane.ShowWindowPositionMenu(10, 10));
    EXPECT_EQ("f-D*-t-a-h", pane.items) << "a pane that may neither dock nor float shows no menu";
}

TEST_F(WindowPositionMenuTest, TheCaptionsMenuButtonOpensItBelowItself)
{
    CVrxPDockingControlBar::paneCaptionMenuButton = 1;
    pane.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    const CVrxPMiniFrameTitleButton* pButton = pane.FindCaptionButton(CVrxPMiniFrameTitleButton::hitMenu);
    ASSERT_NE(nullptr, pButton);
    ASSERT_FALSE(pButton->hidden);
    CRect rectWindow;
    pane.GetWindowRect(&rectWindow);
    CRect rectButton = pButton->GetRect();
    rectButton.OffsetRect(rectWindow.TopLeft());

    frame.SetForegroundWindow();
    const CPoint center = rectButton.CenterPoint();
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input[2] = {};
    for (INPUT& one : input)
    {
        one.type = INPUT_MOUSE;
        one.mi.dx = (center.x * 65536 + cx - 1) / cx;
        one.mi.dy = (center.y * 65536 + cy - 1) / cy;
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    ::SendInput(2, input, sizeof(INPUT));
    for (DWORD dwStart = ::GetTickCount(); pane.shown == 0 && ::GetTickCount() - dwStart < 3000;)
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessage(&msg);
        ::Sleep(10);
    }
    EXPECT_EQ(1, pane.shown);
    EXPECT_EQ(CPoint(rectButton.left, rectButton.bottom + 1), pane.shownAt);
    EXPECT_EQ("F-D*-t-A-H", pane.items);
    EXPECT_FALSE(pButton->dropped) << "the button is no longer dropped once the menu has gone";
}

TEST_F(WindowPositionMenuTest, EachCommandMovesThePane)
{
    pane.GetDockHistory().recentFloatRect.SetRect(600, 100, 800, 250);
    pane.RunWindowPositionCommand(CVrxPControlBar::commandFloating);
    ASSERT_TRUE(pane.IsFloating());
    CRect rectFrame;
    pane.GetMiniFrame()->GetWindowRect(&rectFrame);
    EXPECT_EQ(CPoint(600, 100), rectFrame.TopLeft());

    pane.RunWindowPositionCommand(CVrxPControlBar::commandDocking);
    EXPECT_FALSE(pane.IsFloating());
    EXPECT_TRUE(pane.IsDocked());

    pane.RunWindowPositionCommand(CVrxPControlBar::commandAutoHide);
    EXPECT_TRUE(pane.IsAutoHideMode());
    pane.RunWindowPositionCommand(CVrxPControlBar::commandAutoHide);
    EXPECT_FALSE(pane.IsAutoHideMode());

    pane.RunWindowPositionCommand(CVrxPControlBar::commandHide);
    EXPECT_FALSE(pane.IsPaneVisible());
}
} // namespace
