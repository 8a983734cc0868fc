// Plays the menu bar as a user does, in a virtual desktop, with real keys
// and mouse moves: Alt+F opens File, Right moves to Edit, the pointer on
// another title opens its menu, Down and Enter choose a command, which
// arrives only after every popup closed; the screen is kept with Edit open.
// A maximised MDI child lends the bar its icon and caption buttons, which
// the user clicks.

#include "docking/CVrxPDockingControlBar.h"
#include "docking/mdi/CVrxPMDIChildWnd.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPToolbarMenuButton.h"
#include "toolbars/CVrxPToolbarMenuButtonsButton.h"
#include "toolbars/CVrxPToolbarSystemMenuButton.h"

#include "MouseInput.h"
#include "WindowDriver.h"
#include "ScreenPicture.h"
#include "TestMdiFrame.h"

#include <gtest/gtest.h>

#include <functional>
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

void PressKey(WORD vk)
{
    INPUT input[2] = {};
    input[0].type = INPUT_KEYBOARD;
    input[0].ki.wVk = vk;
    input[1] = input[0];
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

void MoveMouseTo(CPoint point)
{
    windriver::send_mouse(0, point);
}

void ClickAt(CPoint point)
{
    windriver::send_mouse(MOUSEEVENTF_LEFTDOWN, point);
    windriver::send_mouse(MOUSEEVENTF_LEFTUP, point);
}

// The keys pressed arrive.
void LetTheKeysArrive()
{
    LetTheInputArrive();
}

// The screen rectangle of the bar's item, and of the open popup.
CRect ItemOnScreen(CVrxPMenuBar& bar, int nIndex)
{
    CRect rect = bar.GetButton(nIndex)->rect;
    bar.ClientToScreen(&rect);
    return rect;
}

CRect OpenPopupRect()
{
    CRect rect;
    CVrxPPopupMenu* pPopup = CVrxPPopupMenu::ActivePopup();
    if (pPopup != nullptr)
        pPopup->GetWindowRect(&rect);
    return rect;
}

// A frame with the menu bar docked at its top and an output pane below.
class MenuBarViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "Menu bar", WS_OVERLAPPEDWINDOW, CRect(40, 40, 840, 600)));
        // The test frame handles its commands in OnCommand, not by map.
        frame.m_bAutoMenuEnable = FALSE;
        m_hMenu = MakeMenu();
        ::SetMenu(frame.GetSafeHwnd(), m_hMenu);
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE806));
        bar.AllowDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(frame.PlaceBarDocked(&bar));
        ASSERT_TRUE(output.Create("Output", &frame, CSize(150, 150), TRUE, 32804,
                                  WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP, 32, 15));
        ASSERT_TRUE(frame.PlaceBarDocked(&output));
        frame.ShowWindow(SW_SHOW);
        frame.UpdateWindow();
        ::SetForegroundWindow(frame.GetSafeHwnd());
        frame.SetFocus();
        LetTheKeysArrive();
    }
    void TearDown() override
    {
        if (frame.GetSafeHwnd() != NULL)
            frame.DestroyWindow();
        ::DestroyMenu(m_hMenu);
    }

    TestMdiFrame frame;
    CVrxPMenuBar bar;
    CVrxPDockingControlBar output;
    HMENU m_hMenu = NULL;
};

TEST_F(MenuBarViewTest, OpensTheFrameMenusBelowTheirTitlesAndMovesBetweenThem)
{
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
    ASSERT_EQ(0, bar.GetOpenItem()) << "Alt+F opens File";
    EXPECT_EQ(ItemOnScreen(bar, 0).left, OpenPopupRect().left);
    EXPECT_EQ(ItemOnScreen(bar, 0).bottom, OpenPopupRect().top);
    EXPECT_NE(bar.GetSafeHwnd(), ::GetFocus()) << "the Alt that came with F does not take the keyboard";
    // The popup draws the border: its item bar has none of a toolbar's, so
    // every item, accelerators included, lies inside what is shown.
    CVrxPPopupMenuBar* pItems = CVrxPPopupMenu::ActivePopup()->MenuBar();
    CRect rectItemsWindow, rectItems;
    pItems->GetWindowRect(&rectItemsWindow);
    pItems->GetClientRect(&rectItems);
    EXPECT_EQ(rectItemsWindow.Size(), rectItems.Size());
    for (int i = 0; i < pItems->GetCount(); i++)
        EXPECT_LE(pItems->GetButton(i)->rect.right, rectItems.right) << i;

    PressKey(VK_RIGHT);
    LetTheKeysArrive();
    ASSERT_EQ(1, bar.GetOpenItem()) << "Right moves to Edit";
    EXPECT_EQ(ItemOnScreen(bar, 1).left, OpenPopupRect().left);
    EXPECT_EQ(ItemOnScreen(bar, 1).bottom, OpenPopupRect().top);
    windriver::save_screen(g_shot);

    PressKey(VK_LEFT);
    LetTheKeysArrive();
    EXPECT_EQ(0, bar.GetOpenItem()) << "Left moves back to File";
    PressKey(VK_LEFT);
    LetTheKeysArrive();
    EXPECT_EQ(2, bar.GetOpenItem()) << "Left from the first title wraps to the last";

    PressKey(VK_ESCAPE);
    LetTheKeysArrive();
    EXPECT_EQ(-1, bar.GetOpenItem());
    EXPECT_EQ(nullptr, CVrxPPopupMenu::ActivePopup());
    EXPECT_EQ(bar.GetSafeHwnd(), ::GetFocus()) << "Escape leaves the keyboard on the bar";
    EXPECT_EQ(2, bar.GetHotIndex());
    PressKey(VK_ESCAPE);
    LetTheKeysArrive();
    EXPECT_NE(bar.GetSafeHwnd(), ::GetFocus()) << "a second Escape gives the keyboard back";
    EXPECT_TRUE(frame.commands.empty()) << "closing the menu runs no command";
}

TEST_F(MenuBarViewTest, TheChosenCommandArrivesAfterTheMenuClosed)
{
    ClickAt(ItemOnScreen(bar, 1).CenterPoint());
    LetTheKeysArrive();
    ASSERT_EQ(1, bar.GetOpenItem()) << "a click opens Edit";
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    LetTheKeysArrive();
    PressKey(VK_RETURN);
    // The command is posted: no popup may be left when it is handled.
    BOOL bOpenWhenCommandCame = FALSE;
    for (DWORD dwStart = ::GetTickCount(); frame.commands.empty() && ::GetTickCount() - dwStart < 2000;)
    {
        MSG msg;
        while (frame.commands.empty() && ::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
            if (!frame.commands.empty())
                bOpenWhenCommandCame = CVrxPPopupMenu::ActivePopup() != nullptr;
        }
        ::Sleep(10);
    }
    ASSERT_EQ((std::vector<UINT>{201}), frame.commands) << "Down, Down, Enter choose Copy";
    EXPECT_FALSE(bOpenWhenCommandCame);
    EXPECT_EQ(-1, bar.GetOpenItem());
}

TEST_F(MenuBarViewTest, ThePointerSwitchesMenusAndAClickOutsideClosesThem)
{
    ClickAt(ItemOnScreen(bar, 0).CenterPoint());
    LetTheKeysArrive();
    ASSERT_EQ(0, bar.GetOpenItem());
    MoveMouseTo(ItemOnScreen(bar, 2).CenterPoint());
    LetTheKeysArrive();
    EXPECT_EQ(2, bar.GetOpenItem()) << "pointing at Help opens it";
    EXPECT_EQ(ItemOnScreen(bar, 2).left, OpenPopupRect().left);

    ClickAt(ItemOnScreen(bar, 2).CenterPoint());
    LetTheKeysArrive();
    EXPECT_EQ(-1, bar.GetOpenItem()) << "a click on the open title closes it";
    EXPECT_EQ(nullptr, CVrxPPopupMenu::ActivePopup());

    ClickAt(ItemOnScreen(bar, 0).CenterPoint());
    LetTheKeysArrive();
    ASSERT_EQ(0, bar.GetOpenItem());
    CRect rectOutput;
    output.GetWindowRect(&rectOutput);
    ClickAt(rectOutput.CenterPoint());
    LetTheKeysArrive();
    EXPECT_EQ(-1, bar.GetOpenItem()) << "a click elsewhere closes the menu";
    EXPECT_EQ(nullptr, CVrxPPopupMenu::ActivePopup());
    EXPECT_TRUE(frame.commands.empty());
}

TEST_F(MenuBarViewTest, F10GivesTheBarTheKeyboard)
{
    PressKey(VK_F10);
    LetTheKeysArrive();
    EXPECT_EQ(bar.GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(0, bar.GetHotIndex());
    PressKey(VK_RIGHT);
    LetTheKeysArrive();
    EXPECT_EQ(1, bar.GetHotIndex());
    PressKey(VK_DOWN);
    LetTheKeysArrive();
    EXPECT_EQ(1, bar.GetOpenItem()) << "Down opens the hot item's menu";
    PressKey(VK_ESCAPE);
    LetTheKeysArrive();
    EXPECT_EQ(-1, bar.GetOpenItem());
    PressKey(VK_ESCAPE);
    LetTheKeysArrive();
    EXPECT_NE(bar.GetSafeHwnd(), ::GetFocus()) << "Esc gives the keyboard back to the frame";
}

// Commands of the caption buttons at the end of the bar, close last.
std::vector<UINT> CaptionCommands(CVrxPMenuBar& bar)
{
    std::vector<UINT> commands;
    for (int i = 0; i < bar.GetCount(); i++)
        if (const auto* pButton = dynamic_cast<const CVrxPToolbarMenuButtonsButton*>(bar.GetButton(i)))
            commands.push_back(pButton->systemCommand);
    return commands;
}

int IndexOfCaption(CVrxPMenuBar& bar, UINT nCommand)
{
    for (int i = 0; i < bar.GetCount(); i++)
        if (const auto* pButton = dynamic_cast<const CVrxPToolbarMenuButtonsButton*>(bar.GetButton(i)))
            if (pButton->systemCommand == nCommand)
                return i;
    return -1;
}

// The bar's titles, without the child's icon and buttons.
std::vector<std::string> Titles(CVrxPMenuBar& bar)
{
    std::vector<std::string> titles;
    for (int i = 0; i < bar.GetCount(); i++)
        titles.emplace_back(static_cast<LPCTSTR>(bar.GetButton(i)->text));
    return titles;
}

class MdiChildButtonsTest : public MenuBarViewTest
{
protected:
    CMDIChildWnd* OpenChild(DWORD dwRemovedStyle = 0)
    {
        CMDIChildWnd* pChild = frame.CreateNewChild(RUNTIME_CLASS(CVrxPMDIChildWnd), 0);
        if (pChild == nullptr)
            return nullptr;
        pChild->SetWindowText("Sheet");
        pChild->SetIcon(m_hIcon, FALSE);
        if (dwRemovedStyle != 0)
            pChild->ModifyStyle(dwRemovedStyle, 0, SWP_FRAMECHANGED);
        pChild->ShowWindow(SW_SHOWNORMAL);
        LetTheKeysArrive();
        return pChild;
    }
    void Maximise(CMDIChildWnd* pChild)
    {
        frame.MDIMaximize(pChild);
        LetTheKeysArrive();
    }
    // A loaded machine can take longer than a moment to deliver the click.
    void ClickCaption(UINT nCommand, const std::function<bool()>& done)
    {
        const int nIndex = IndexOfCaption(bar, nCommand);
        ASSERT_GE(nIndex, 0) << nCommand;
        ClickAt(ItemOnScreen(bar, nIndex).CenterPoint());
        RunMessagesUntil(done, 5000);
        LetTheKeysArrive();
    }
    const std::vector<std::string> m_titles{"&File", "&Edit", "&Help"};
    HICON m_hIcon = ::LoadIcon(NULL, IDI_WARNING);
};

TEST_F(MdiChildButtonsTest, AMaximisedChildLendsItsIconAndButtonsWhichMinimiseRestoreAndClose)
{
    CMDIChildWnd* pChild = OpenChild();
    ASSERT_NE(nullptr, pChild);
    EXPECT_FALSE(bar.MdiButtonsShown()) << "a normal child lends nothing";
    EXPECT_EQ(m_titles, Titles(bar));

    Maximise(pChild);
    ASSERT_TRUE(bar.MdiButtonsShown());
    const auto* pIcon = dynamic_cast<const CVrxPToolbarSystemMenuButton*>(bar.GetButton(0));
    ASSERT_NE(nullptr, pIcon) << "the child's icon comes first";
    EXPECT_EQ(m_hIcon, pIcon->icon);
    EXPECT_EQ(::GetSystemMenu(pChild->GetSafeHwnd(), FALSE), pIcon->systemMenu);
    EXPECT_EQ((std::vector<UINT>{SC_MINIMIZE, SC_RESTORE, SC_CLOSE}), CaptionCommands(bar));
    EXPECT_EQ(3, bar.MdiButtonCount());
    EXPECT_EQ("&File", std::string(bar.GetButton(1)->text));

    // At the far end, close last, one pixel apart, each of the caption size.
    CRect rectClient;
    bar.GetClientRect(&rectClient);
    const int nClose = bar.GetCount() - 1;
    const CRect rectClose = bar.GetButton(nClose)->rect;
    EXPECT_GT(rectClose.right, rectClient.right - 8);
    EXPECT_EQ(bar.MdiButtonSize(), rectClose.Size());
    EXPECT_EQ(rectClose.left - 1, bar.GetButton(nClose - 1)->rect.right);
    EXPECT_EQ(bar.GetButton(nClose - 1)->rect.left - 1, bar.GetButton(nClose - 2)->rect.right);
    EXPECT_GT(bar.GetButton(nClose - 2)->rect.left, bar.GetButton(nClose - 3)->rect.right)
        << "the buttons stand apart from the titles";
    windriver::save_screen(g_shot.substr(0, g_shot.size() - 4) + "_mdi.bmp");

    ClickCaption(SC_RESTORE, [&] { return !pChild->IsZoomed(); });
    EXPECT_FALSE(pChild->IsZoomed()) << "restore";
    EXPECT_FALSE(bar.MdiButtonsShown());
    EXPECT_EQ(m_titles, Titles(bar));

    Maximise(pChild);
    ClickCaption(SC_MINIMIZE, [&] { return pChild->IsIconic() != FALSE; });
    EXPECT_TRUE(pChild->IsIconic()) << "minimise";
    EXPECT_EQ(m_titles, Titles(bar));

    Maximise(pChild);
    ASSERT_TRUE(bar.MdiButtonsShown());
    const HWND hChild = pChild->GetSafeHwnd();
    ClickCaption(SC_CLOSE, [&] { return !::IsWindow(hChild); });
    EXPECT_FALSE(::IsWindow(hChild)) << "close";
    EXPECT_FALSE(bar.MdiButtonsShown());
    EXPECT_EQ(m_titles, Titles(bar));
    EXPECT_TRUE(frame.commands.empty()) << "the buttons send the child system commands, not commands";
}

TEST_F(MdiChildButtonsTest, TheIconOpensTheChildsSystemMenuAndArrowsNeverReachTheButtons)
{
    CMDIChildWnd* pChild = OpenChild();
    ASSERT_NE(nullptr, pChild);
    Maximise(pChild);
    ASSERT_TRUE(bar.MdiButtonsShown());
    ClickAt(ItemOnScreen(bar, 0).CenterPoint());
    LetTheKeysArrive();
    CVrxPPopupMenu* pPopup = CVrxPPopupMenu::ActivePopup();
    ASSERT_NE(nullptr, pPopup) << "a click on the icon opens the system menu";
    EXPECT_GE(pPopup->MenuBar()->CommandToIndex(SC_CLOSE), 0);
    EXPECT_GE(pPopup->MenuBar()->CommandToIndex(SC_RESTORE), 0);
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    LetTheKeysArrive();
    EXPECT_EQ(nullptr, CVrxPPopupMenu::ActivePopup());

    PressKey(VK_F10);
    LetTheKeysArrive();
    EXPECT_EQ(1, bar.GetHotIndex()) << "the keyboard starts on File, past the icon";
    PressKey(VK_LEFT);
    LetTheKeysArrive();
    EXPECT_EQ(0, bar.GetHotIndex()) << "the icon can be reached";
    PressKey(VK_LEFT);
    LetTheKeysArrive();
    EXPECT_EQ(3, bar.GetHotIndex()) << "Left from the icon wraps to Help, past the caption buttons";
    PressKey(VK_RIGHT);
    LetTheKeysArrive();
    EXPECT_EQ(0, bar.GetHotIndex());
    PressKey(VK_ESCAPE);
    LetTheKeysArrive();
    EXPECT_TRUE(pChild->IsZoomed());
}

TEST_F(MdiChildButtonsTest, ACloseGreyedInTheSystemMenuIsADisabledButtonAndTheIconDoesNotClose)
{
    CMDIChildWnd* pChild = OpenChild(WS_MINIMIZEBOX);
    ASSERT_NE(nullptr, pChild);
    const HWND hChild = pChild->GetSafeHwnd();
    ::EnableMenuItem(::GetSystemMenu(hChild, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    Maximise(pChild);
    EXPECT_EQ((std::vector<UINT>{SC_RESTORE, SC_CLOSE}), CaptionCommands(bar)) << "no minimise box, no button";
    const int nClose = IndexOfCaption(bar, SC_CLOSE);
    ASSERT_GE(nClose, 0);
    EXPECT_NE(0u, bar.GetButton(nClose)->style & CVrxPToolbarButton::styleDisabled);
    ClickCaption(SC_CLOSE, [&] { return !::IsWindow(hChild); });
    EXPECT_TRUE(::IsWindow(hChild)) << "a disabled close does nothing";

    // A double-click on the icon closes the child, unless Close is greyed.
    const CPoint icon = ItemOnScreen(bar, 0).CenterPoint();
    ClickAt(icon);
    ClickAt(icon);
    LetTheKeysArrive();
    EXPECT_TRUE(::IsWindow(hChild));
    PressKey(VK_ESCAPE);
    LetTheKeysArrive();
    ::EnableMenuItem(::GetSystemMenu(hChild, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
    ClickAt(icon);
    ClickAt(icon);
    RunMessagesUntil([&] { return !::IsWindow(hChild); }, 5000);
    EXPECT_FALSE(::IsWindow(hChild)) << "a double-click on the icon closes the child";
    EXPECT_FALSE(bar.MdiButtonsShown());
}

TEST_F(MdiChildButtonsTest, AChildWithoutASystemMenuLendsNothing)
{
    CMDIChildWnd* pChild = OpenChild(WS_SYSMENU);
    ASSERT_NE(nullptr, pChild);
    Maximise(pChild);
    EXPECT_TRUE(pChild->IsZoomed());
    EXPECT_EQ(m_titles, Titles(bar));
    EXPECT_TRUE(CaptionCommands(bar).empty());
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
