// An open library popup menu with its submenu, in a virtual desktop, with
// a picture: image column, check mark, accelerators, separator, a greyed
// item and the submenu arrow.

#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPPopupMenuBar.h"

#include "TestMdiFrame.h"
#include "ScreenPicture.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string g_shot = "vrx_popup_menu.bmp";

void PressKey(WORD vk)
{
    INPUT input[2] = {};
    input[0].type = INPUT_KEYBOARD;
    input[0].ki.wVk = vk;
    input[1] = input[0];
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

void PumpFor(DWORD dwMilliseconds)
{
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < dwMilliseconds;)
    {
        PumpMessages();
        ::Sleep(10);
    }
}

HMENU MakeMenu()
{
    HMENU hZoom = ::CreatePopupMenu();
    ::AppendMenu(hZoom, MF_STRING, 210, "&Larger\tCtrl+Plus");
    ::AppendMenu(hZoom, MF_STRING, 211, "&Smaller\tCtrl+Minus");
    ::AppendMenu(hZoom, MF_STRING | MF_CHECKED, 212, "&Actual Size");
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenu(hMenu, MF_STRING, 200, "&Copy\tCtrl+C");
    ::AppendMenu(hMenu, MF_STRING | MF_GRAYED, 201, "&Paste\tCtrl+V");
    ::AppendMenu(hMenu, MF_STRING | MF_CHECKED, 202, "&Word Wrap");
    ::AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hZoom), "&Zoom");
    ::AppendMenu(hMenu, MF_STRING, 203, "Select &All\tCtrl+A");
    return hMenu;
}

TEST(PopupMenuView, OpenMenuWithSubmenu)
{
    TestMdiFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Popup menu", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 620, 460)));
    frame.m_bAutoMenuEnable = FALSE;
    ::SetForegroundWindow(frame.GetSafeHwnd());
    PumpFor(200);
    HMENU hMenu = MakeMenu();
    CVrxPPopupMenu* pPopup = new CVrxPPopupMenu;
    pPopup->destroyMenuHandle = FALSE;
    ASSERT_TRUE(pPopup->CreatePopup(&frame, 120, 120, hMenu, FALSE, TRUE));
    PressKey('Z');
    PumpFor(300);
    ASSERT_NE(nullptr, pPopup->Submenu());
    PressKey(VK_DOWN);
    PumpFor(300);
    EXPECT_EQ(1, pPopup->Submenu()->MenuBar()->GetHotIndex());
    windriver::save_screen(g_shot);
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    PumpFor(200);
    EXPECT_EQ(nullptr, CVrxPPopupMenu::ActivePopup());
    frame.DestroyWindow();
    ::DestroyMenu(hMenu);
}
} // namespace

int main(int argc, char** argv)
{
    g_shot = windriver::shot_path(argc, argv, g_shot);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
