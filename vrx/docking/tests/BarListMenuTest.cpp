#include "docking/CVrxPFrameBarManager.h"

#include "app/CCmdUI.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolBar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const UINT toolbarId = 0xE800;
const UINT paneId = 32804;
const UINT customizeId = 32770;

class OwnedFrame : public CVrxPMDIFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

std::vector<std::string> ItemTexts(HMENU hMenu)
{
    std::vector<std::string> texts;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
    {
        char text[64] = "";
        ::GetMenuString(hMenu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        texts.push_back(::GetMenuItemID(hMenu, i) == 0 ? "-" : text);
    }
    return texts;
}

// A frame with the menu bar, one toolbar and the Output pane, and the bars'
// list switched on with a customise item.
class BarListMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 630, 530)));
        HMENU hMenu = ::CreateMenu();
        ::AppendMenu(hMenu, MF_STRING, 100, "&Go");
        ::SetMenu(frame.GetSafeHwnd(), hMenu);
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        ASSERT_TRUE(menuBar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE806));
        ASSERT_TRUE(frame.PlaceBarDocked(&menuBar));
        ASSERT_TRUE(toolBar.CreateWithDefaultStyle(&frame, 0x50402808, toolbarId));
        toolBar.SetWindowText("Standard");
        ASSERT_TRUE(frame.PlaceBarDocked(&toolBar));
        ASSERT_TRUE(pane.Create("Output", &frame, CSize(120, 120), TRUE, paneId,
                                WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP, 32, 15));
        ASSERT_TRUE(frame.PlaceBarDocked(&pane));
        frame.EnableBarListMenu(TRUE, customizeId, "Customize...", 32771);
        m_hMenu = hMenu;
    }
    void TearDown() override
    {
        frame.DestroyWindow();
        ::DestroyMenu(m_hMenu);
    }

    OwnedFrame frame;
    CVrxPMenuBar menuBar;
    CVrxPToolBar toolBar;
    CVrxPDockingControlBar pane;
    HMENU m_hMenu = NULL;
};

TEST_F(BarListMenuTest, ListsToolbarsThenPanesThenCustomise)
{
    HMENU hMenu = ::CreatePopupMenu();
    frame.GetBarManager().BuildBarMenu(hMenu, FALSE);
    EXPECT_EQ((std::vector<std::string>{"Standard", "-", "Output", "-", "Customize..."}), ItemTexts(hMenu))
        << "the menu bar cannot be hidden, so it is not listed";
    EXPECT_EQ(toolbarId, ::GetMenuItemID(hMenu, 0));
    EXPECT_EQ(paneId, ::GetMenuItemID(hMenu, 2));
    EXPECT_EQ(customizeId, ::GetMenuItemID(hMenu, 4));
    ::DestroyMenu(hMenu);

    hMenu = ::CreatePopupMenu();
    frame.GetBarManager().BuildBarMenu(hMenu, TRUE);
    EXPECT_EQ((std::vector<std::string>{"Standard", "-", "Customize..."}), ItemTexts(hMenu));
    ::DestroyMenu(hMenu);
}

TEST_F(BarListMenuTest, ABarItemShowsAndHidesItsBar)
{
    HMENU hMenu = ::CreatePopupMenu();
    frame.GetBarManager().BuildBarMenu(hMenu, FALSE);
    ::DestroyMenu(hMenu);
    CCmdUI state;
    state.m_nID = paneId;
    EXPECT_FALSE(frame.OnCmdMsg(paneId, CN_UPDATE_COMMAND_UI, &state, nullptr))
        << "no answer while the menu is not shown";
    ASSERT_TRUE(frame.OnCmdMsg(paneId, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(pane.IsWindowVisible());
    CRect rectClient, rectMdi;
    frame.GetClientRect(&rectClient);
    ::GetWindowRect(frame.m_hWndMDIClient, &rectMdi);
    frame.ScreenToClient(&rectMdi);
    EXPECT_EQ(rectClient.bottom, rectMdi.bottom) << "the hidden pane leaves its room to the MDI area";
    EXPECT_FALSE(frame.OnCmdMsg(paneId, CN_COMMAND, nullptr, nullptr)) << "the items end with the command";
}

// Chooses the Output pane's item from the open popup menu: each tick moves
// the highlight down until the pane's item is highlighted, then presses
// Enter. Watching the highlight, rather than counting keys, is what keeps a
// key the menu drops from choosing another bar.
UINT s_nEntered = 0;
int s_nTicks = 0;
// Several times round the menu: a menu that never shows the pane is closed.
const int maxTicks = 60;

void CALLBACK ChooseOutputPane(HWND, UINT, UINT_PTR, DWORD)
{
    CVrxPPopupMenu* pPopup = CVrxPPopupMenu::ActivePopup();
    if (pPopup == nullptr || !pPopup->IsWindowVisible())
        return;
    const CVrxPToolbarButton* pHot = pPopup->MenuBar()->GetButton(pPopup->MenuBar()->GetHotIndex());
    WPARAM key = VK_DOWN;
    if (++s_nTicks > maxTicks)
        key = VK_ESCAPE;
    else if (pHot != nullptr && pHot->commandId == paneId)
    {
        key = VK_RETURN;
        s_nEntered = pHot->commandId;
    }
    pPopup->PostMessage(WM_KEYDOWN, key, 0);
}

TEST_F(BarListMenuTest, ARightClickOnTheToolbarOffersTheBars)
{
    ::SetForegroundWindow(frame.GetSafeHwnd());
    CRect rect;
    toolBar.GetWindowRect(&rect);
    s_nTicks = 0;
    s_nEntered = 0;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, ChooseOutputPane);
    toolBar.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(toolBar.GetSafeHwnd()),
                        MAKELPARAM(rect.left + 5, rect.top + 5));
    MSG msg;
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 10000;)
    {
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessage(&msg);
        if (CVrxPPopupMenu::ActivePopup() == nullptr)
            break;
        ::Sleep(10);
    }
    ::KillTimer(NULL, nTimer);
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessage(&msg);
    EXPECT_EQ(paneId, s_nEntered) << "the menu offered the Output pane";
    EXPECT_FALSE(pane.IsWindowVisible()) << "Output was chosen";
    EXPECT_TRUE(toolBar.IsWindowVisible());
}
} // namespace
