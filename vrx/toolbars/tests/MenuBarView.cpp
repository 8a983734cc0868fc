// Plays the menu bar as a user does, in a virtual desktop: Alt+F opens
// File, Right moves to Edit, and the screen is kept with Edit open.

#include "docking/CVrxPDockingControlBar.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include "ScreenPicture.h"
#include "TestMdiFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::string g_shot = "vrx_menubar.bmp";

HMENU MakeMenu()
{
    HMENU hFile = ::CreatePopupMenu();
    ::AppendMenu(hFile, MF_STRING, 100, "&New\tCtrl+N");
    ::AppendMenu(hFile, MF_STRING, 101, "&Open...");
    ::AppendMenu(hFile, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hFile, MF_STRING, 102, "E&xit");
    HMENU hEdit = ::CreatePopupMenu();
    ::AppendMenu(hEdit, MF_STRING, 200, "Cu&t\tCtrl+X");
    ::AppendMenu(hEdit, MF_STRING, 201, "&Copy\tCtrl+C");
    ::AppendMenu(hEdit, MF_STRING | MF_GRAYED, 202, "&Paste\tCtrl+V");
    HMENU hHelp = ::CreatePopupMenu();
    ::AppendMenu(hHelp, MF_STRING, 300, "&About...");
    HMENU hMenu = ::CreateMenu();
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hFile), "&File");
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hEdit), "&Edit");
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hHelp), "&Help");
    return hMenu;
}

// What the timer saw while the menus were open.
struct Observation
{
    int openItem;
    HWND popup;
    CRect popupRect;
};

CVrxPMenuBar* g_pBar = nullptr;
std::vector<Observation> g_seen;
int g_step = 0;

HWND VisiblePopupMenu()
{
    HWND hPopup = NULL;
    while ((hPopup = ::FindWindowEx(NULL, hPopup, "#32768", nullptr)) != NULL)
        if (::IsWindowVisible(hPopup))
            return hPopup;
    return NULL;
}

void CALLBACK StepTimer(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hPopup = VisiblePopupMenu();
    if (hPopup == NULL)
        return;
    Observation seen = {g_pBar->GetOpenItem(), hPopup, CRect()};
    ::GetWindowRect(hPopup, &seen.popupRect);
    g_seen.push_back(seen);
    if (g_step++ == 0)
    {
        ::PostMessage(hPopup, WM_KEYDOWN, VK_RIGHT, 0);
        return;
    }
    ::KillTimer(NULL, nTimer);
    windriver::save_screen(g_shot);
    ::EndMenu();
}

TEST(MenuBarView, OpensTheFrameMenusAndMovesBetweenThem)
{
    TestMdiFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Menu bar", WS_OVERLAPPEDWINDOW, CRect(40, 40, 840, 600)));
    // The test frame handles its commands in OnCommand, not by map.
    frame.m_bAutoMenuEnable = FALSE;
    HMENU hMenu = MakeMenu();
    ::SetMenu(frame.GetSafeHwnd(), hMenu);
    frame.AllowDockingSides(CBRS_ALIGN_ANY);
    CVrxPMenuBar bar;
    ASSERT_TRUE(bar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE806));
    bar.AllowDocking(CBRS_ALIGN_ANY);
    ASSERT_TRUE(frame.PlaceBarDocked(&bar));
    CVrxPDockingControlBar output;
    ASSERT_TRUE(output.Create("Output", &frame, CSize(150, 150), TRUE, 32804,
                              WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP, 32, 15));
    ASSERT_TRUE(frame.PlaceBarDocked(&output));
    frame.ShowWindow(SW_SHOW);
    frame.UpdateWindow();
    ::SetForegroundWindow(frame.GetSafeHwnd());
    PumpMessages();

    g_pBar = &bar;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 400, StepTimer);
    ASSERT_TRUE(bar.HandleMnemonicKey('f'));
    ::KillTimer(NULL, nTimer);

    ASSERT_EQ(2u, g_seen.size()) << "a popup for File, then one for Edit";
    CRect rectFile = bar.GetButton(0)->rect;
    CRect rectEdit = bar.GetButton(1)->rect;
    bar.ClientToScreen(&rectFile);
    bar.ClientToScreen(&rectEdit);
    EXPECT_EQ(0, g_seen[0].openItem);
    EXPECT_EQ(rectFile.left, g_seen[0].popupRect.left);
    EXPECT_EQ(rectFile.bottom, g_seen[0].popupRect.top);
    EXPECT_EQ(1, g_seen[1].openItem);
    EXPECT_EQ(rectEdit.left, g_seen[1].popupRect.left);
    EXPECT_EQ(rectEdit.bottom, g_seen[1].popupRect.top);
    EXPECT_EQ(-1, bar.GetOpenItem());
    EXPECT_EQ(NULL, VisiblePopupMenu());
    EXPECT_TRUE(frame.commands.empty()) << "closing the menu runs no command";

    frame.DestroyWindow();
    ::DestroyMenu(hMenu);
}
void PressKey(WORD vk)
{
    INPUT input[2] = {};
    input[0].type = INPUT_KEYBOARD;
    input[0].ki.wVk = vk;
    input[1] = input[0];
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

// Runs the thread's messages for a moment: the keys pressed arrive.
void LetTheKeysArrive()
{
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 300;)
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (AfxWalkPreTranslateTree(::GetAncestor(msg.hwnd, GA_ROOT), &msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        ::Sleep(10);
    }
}

int g_openSeen = -1;

void CALLBACK NoteOpenItemAndClose(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    if (VisiblePopupMenu() == NULL)
        return;
    ::KillTimer(NULL, nTimer);
    g_openSeen = g_pBar->GetOpenItem();
    ::EndMenu();
}

TEST(MenuBarView, F10GivesTheBarTheKeyboard)
{
    TestMdiFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 660, 460)));
    HMENU hMenu = MakeMenu();
    ::SetMenu(frame.GetSafeHwnd(), hMenu);
    frame.AllowDockingSides(CBRS_ALIGN_ANY);
    CVrxPMenuBar bar;
    ASSERT_TRUE(bar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE806));
    ASSERT_TRUE(frame.PlaceBarDocked(&bar));
    ::SetForegroundWindow(frame.GetSafeHwnd());
    frame.SetFocus();
    LetTheKeysArrive();

    PressKey(VK_F10);
    LetTheKeysArrive();
    EXPECT_EQ(bar.GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(0, bar.GetHotIndex());
    PressKey(VK_RIGHT);
    LetTheKeysArrive();
    EXPECT_EQ(1, bar.GetHotIndex());

    g_pBar = &bar;
    g_openSeen = -1;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 200, NoteOpenItemAndClose);
    PressKey(VK_DOWN);
    LetTheKeysArrive();
    ::KillTimer(NULL, nTimer);
    EXPECT_EQ(1, g_openSeen) << "Down opens the hot item's menu";

    PressKey(VK_ESCAPE);
    LetTheKeysArrive();
    EXPECT_NE(bar.GetSafeHwnd(), ::GetFocus()) << "Esc gives the keyboard back to the frame";

    g_openSeen = -1;
    const UINT_PTR nAltTimer = ::SetTimer(NULL, 0, 200, NoteOpenItemAndClose);
    INPUT altF[4] = {};
    for (INPUT& input : altF)
        input.type = INPUT_KEYBOARD;
    altF[0].ki.wVk = VK_MENU;
    altF[1].ki.wVk = 'F';
    altF[2].ki.wVk = 'F';
    altF[2].ki.dwFlags = KEYEVENTF_KEYUP;
    altF[3].ki.wVk = VK_MENU;
    altF[3].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(4, altF, sizeof(INPUT));
    LetTheKeysArrive();
    ::KillTimer(NULL, nAltTimer);
    EXPECT_EQ(0, g_openSeen) << "Alt+F opens File";
    EXPECT_NE(bar.GetSafeHwnd(), ::GetFocus()) << "the Alt that came with F does not take the keyboard";
    frame.DestroyWindow();
    ::DestroyMenu(hMenu);
}
// The user picks a larger menu font. Windows then tells every top-level
// window; Wine does not broadcast the change, so the driver sends the frame
// what Windows sends. The bar, inside the frame, takes the new font and
// grows.
void ChangeMenuFont(const NONCLIENTMETRICS& metrics, CWnd& frame)
{
    ::SystemParametersInfo(SPI_SETNONCLIENTMETRICS, sizeof(metrics), const_cast<NONCLIENTMETRICS*>(&metrics), 0);
    frame.SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, reinterpret_cast<LPARAM>("WindowMetrics"));
    LetTheKeysArrive();
}

TEST(MenuBarView, ALargerMenuFontGrowsTheBar)
{
    TestMdiFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Fonts", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 660, 460)));
    HMENU hMenu = MakeMenu();
    ::SetMenu(frame.GetSafeHwnd(), hMenu);
    frame.AllowDockingSides(CBRS_ALIGN_ANY);
    CVrxPMenuBar bar;
    ASSERT_TRUE(bar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE806));
    ASSERT_TRUE(frame.PlaceBarDocked(&bar));
    LetTheKeysArrive();
    CRect rectBefore;
    bar.GetWindowRect(&rectBefore);
    const int nFileWidth = bar.GetButton(0)->rect.Width();

    NONCLIENTMETRICS saved = {};
    saved.cbSize = sizeof(saved);
    ::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(saved), &saved, 0);
    NONCLIENTMETRICS larger = saved;
    larger.lfMenuFont.lfHeight = saved.lfMenuFont.lfHeight < 0 ? saved.lfMenuFont.lfHeight - 12
                                                               : saved.lfMenuFont.lfHeight + 12;
    ChangeMenuFont(larger, frame);
    CRect rectAfter;
    bar.GetWindowRect(&rectAfter);
    const int nLargerFileWidth = bar.GetButton(0)->rect.Width();
    windriver::save_screen(g_shot.substr(0, g_shot.size() - 4) + "_font.bmp");
    ChangeMenuFont(saved, frame);

    EXPECT_GT(rectAfter.Height(), rectBefore.Height());
    EXPECT_GT(nLargerFileWidth, nFileWidth);
    CRect rectRestored;
    bar.GetWindowRect(&rectRestored);
    EXPECT_EQ(rectBefore.Height(), rectRestored.Height()) << "the old font gives the old height back";
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
