#include "toolbars/CVrxPPopupMenu.h"

#include "app/AfxRegisterWndClass.h"
#include "toolbars/CVrxPMenuStore.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPTearOffIdPool.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include "TestMdiFrame.h"
#include "WindowDriver.h"

#include <gtest/gtest.h>

namespace
{
// Copy, a checked Wrap, a greyed Paste, a separator and a More submenu.
HMENU MakePopup()
{
    HMENU hMore = ::CreatePopupMenu();
    ::AppendMenu(hMore, MF_STRING, 300, "&Deeper");
    HMENU hPopup = ::CreatePopupMenu();
    ::AppendMenu(hPopup, MF_STRING, 100, "&Copy");
    ::AppendMenu(hPopup, MF_STRING | MF_CHECKED, 101, "&Wrap");
    ::AppendMenu(hPopup, MF_STRING | MF_GRAYED, 102, "&Paste");
    ::AppendMenu(hPopup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hPopup, MF_POPUP, reinterpret_cast<UINT_PTR>(hMore), "&More");
    return hPopup;
}

TEST(PopupMenuBarTest, TakesTheItemsAndTheirStatesFromAMenu)
{
    HMENU hPopup = MakePopup();
    CVrxPPopupMenuBar bar;
    EXPECT_FALSE(bar.FillFromMenu(NULL));
    ASSERT_TRUE(bar.FillFromMenu(hPopup));
    ASSERT_EQ(5, bar.GetCount());
    EXPECT_EQ(100u, bar.GetButton(0)->commandId);
    EXPECT_NE(0u, bar.GetButton(1)->style & CVrxPToolbarButton::styleChecked);
    EXPECT_NE(0u, bar.GetButton(2)->style & CVrxPToolbarButton::styleDisabled);
    EXPECT_TRUE(bar.GetButton(3)->IsSeparator());
    const CVrxPToolbarMenuButton* pMore = dynamic_cast<CVrxPToolbarMenuButton*>(bar.GetButton(4));
    ASSERT_NE(nullptr, pMore);
    EXPECT_EQ(::GetSubMenu(hPopup, 4), pMore->popupMenu);

    HMENU hBuilt = bar.BuildMenuHandle();
    ASSERT_EQ(5, ::GetMenuItemCount(hBuilt));
    EXPECT_EQ(101u, ::GetMenuItemID(hBuilt, 1));
    EXPECT_NE(0u, ::GetMenuState(hBuilt, 1, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_NE(0u, ::GetMenuState(hBuilt, 2, MF_BYPOSITION) & MF_GRAYED);
    HMENU hBuiltMore = ::GetSubMenu(hBuilt, 4);
    ASSERT_NE(static_cast<HMENU>(NULL), hBuiltMore);
    EXPECT_NE(::GetSubMenu(hPopup, 4), hBuiltMore) << "the submenu is a copy the caller owns";
    EXPECT_EQ(300u, ::GetMenuItemID(hBuiltMore, 0));
    ::DestroyMenu(hBuilt);
    ::DestroyMenu(hPopup);
}

// The menu store's files in the temporary folder.
int StoreFileCount()
{
    char folder[MAX_PATH] = "";
    ::GetTempPath(sizeof(folder), folder);
    const CString pattern = CString(folder) + CVrxPMenuStore::tempFilePrefix + "*.tmp";
    WIN32_FIND_DATA found;
    HANDLE hFind = ::FindFirstFile(pattern, &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    int nCount = 0;
    do
        nCount++;
    while (::FindNextFile(hFind, &found));
    ::FindClose(hFind);
    return nCount;
}

TEST(MenuStoreTest, KeepsTheItemsOfEachMenu)
{
    const int nFilesBefore = StoreFileCount();
    CVrxPMenuStore store;
    HMENU hPopup = MakePopup();
    CVrxPPopupMenuBar empty;
    EXPECT_FALSE(store.Store(hPopup, &empty)) << "a bar without buttons stores nothing";
    EXPECT_FALSE(store.HasStored(hPopup));

    CVrxPPopupMenuBar bar;
    bar.InsertButtonCopy(CVrxPToolbarButton(100, -1, "&Copy"));
    bar.InsertSeparatorAt();
    bar.InsertButtonCopy(CVrxPToolbarButton(102, -1, "&Paste"));
    ASSERT_TRUE(store.Store(hPopup, &bar));
    EXPECT_FALSE(CVrxPMenuStore::IsStoring());

    CVrxPPopupMenuBar restored;
    ASSERT_TRUE(store.Restore(hPopup, &restored));
    ASSERT_EQ(3, restored.GetCount());
    EXPECT_STREQ("&Copy", (LPCTSTR)restored.GetButton(0)->text);
    EXPECT_TRUE(restored.GetButton(1)->IsSeparator());
    EXPECT_EQ(102u, restored.GetButton(2)->commandId);
    EXPECT_TRUE(restored.GetButton(2)->visible);

    bar.RemoveButtonAt(0);
    ASSERT_TRUE(store.Store(hPopup, &bar));
    ASSERT_TRUE(store.Restore(hPopup, &restored));
    EXPECT_EQ(2, restored.GetCount()) << "a second store replaces the first";

    EXPECT_EQ(1, StoreFileCount() - nFilesBefore) << "one temporary file per stored menu";
    EXPECT_TRUE(store.Discard(hPopup));
    EXPECT_EQ(nFilesBefore, StoreFileCount()) << "a discarded menu leaves no file behind";
    EXPECT_FALSE(store.Discard(hPopup));
    EXPECT_FALSE(store.Restore(hPopup, &restored));
    ::DestroyMenu(hPopup);
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

void ClickAt(CPoint point)
{
    windriver::send_mouse(MOUSEEVENTF_LEFTDOWN, point);
    windriver::send_mouse(MOUSEEVENTF_LEFTUP, point);
}

// Runs the thread's messages until done() or two seconds passed.
template <typename Done>
bool PumpUntil(Done done)
{
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 2000;)
    {
        PumpMessages();
        if (done())
            return true;
        ::Sleep(10);
    }
    return done();
}

void PumpFor(DWORD dwMilliseconds)
{
    PumpUntil([dwEnd = ::GetTickCount() + dwMilliseconds] { return ::GetTickCount() >= dwEnd; });
}

// A frame that notes, with each command, whether a popup window was still
// there when the command arrived.
class CommandOrderFrame : public TestMdiFrame
{
public:
    std::vector<HWND> popups;
    std::vector<bool> popupAliveAtCommand;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        bool bAlive = CVrxPPopupMenu::ActivePopup() != nullptr;
        for (HWND hPopup : popups)
            bAlive = bAlive || ::IsWindow(hPopup);
        popupAliveAtCommand.push_back(bAlive);
        return TestMdiFrame::OnCommand(wParam, lParam);
    }
};

class PopupMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "popups", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(50, 50, 450, 350)));
        // The test frame handles its commands in OnCommand, not by map.
        frame.m_bAutoMenuEnable = FALSE;
        ::SetForegroundWindow(frame.GetSafeHwnd());
        ::SetFocus(frame.GetSafeHwnd());
        PumpMessages();
    }
    void TearDown() override
    {
        if (CVrxPPopupMenu* pOpen = CVrxPPopupMenu::ActivePopup())
            pOpen->CloseChain();
        frame.DestroyWindow();
        ::DestroyMenu(m_hMenu);
    }

    CVrxPPopupMenu* Open(int x, int y, BOOL bTrack = FALSE)
    {
        m_hMenu = MakePopup();
        CVrxPPopupMenu* pPopup = new CVrxPPopupMenu;
        pPopup->destroyMenuHandle = FALSE;
        pPopup->trackMode = bTrack;
        if (!pPopup->CreatePopup(&frame, x, y, m_hMenu, FALSE, TRUE))
            return nullptr;
        frame.popups.push_back(pPopup->GetSafeHwnd());
        PumpMessages();
        return pPopup;
    }

    static bool NoPopup() { return CVrxPPopupMenu::ActivePopup() == nullptr; }

    CommandOrderFrame frame;
    HMENU m_hMenu = NULL;
};

TEST_F(PopupMenuTest, DownAndEnterSendTheFirstItemAfterThePopupClosed)
{
    CVrxPPopupMenu* pPopup = Open(100, 100);
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(pPopup, CVrxPPopupMenu::ActivePopup());
    EXPECT_NE(0, ::IsWindowVisible(pPopup->GetSafeHwnd()));
    EXPECT_NE(pPopup->GetSafeHwnd(), ::GetActiveWindow()) << "a popup never takes the activation";
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !frame.commands.empty(); }));
    EXPECT_EQ((std::vector<UINT>{100}), frame.commands);
    EXPECT_EQ((std::vector<bool>{false}), frame.popupAliveAtCommand);
    EXPECT_TRUE(NoPopup());
}

TEST_F(PopupMenuTest, RightOpensTheSubmenuAndItsCommandComesAfterEveryPopupClosed)
{
    CVrxPPopupMenu* pPopup = Open(100, 100);
    ASSERT_NE(nullptr, pPopup);
    // Up from nothing wraps to the last item, the More submenu.
    PressKey(VK_UP);
    PressKey(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return pPopup->Submenu() != nullptr; }));
    CVrxPPopupMenu* pSubmenu = pPopup->Submenu();
    frame.popups.push_back(pSubmenu->GetSafeHwnd());
    EXPECT_EQ(pSubmenu, CVrxPPopupMenu::ActivePopup());
    EXPECT_EQ(0, pSubmenu->MenuBar()->GetHotIndex()) << "the submenu opens with its first item chosen";
    CRect rectOwner, rectSub;
    pPopup->GetWindowRect(&rectOwner);
    pSubmenu->GetWindowRect(&rectSub);
    EXPECT_GE(rectSub.left, rectOwner.right - 1) << "the submenu opens to the right of its owner";

    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !frame.commands.empty(); }));
    EXPECT_EQ((std::vector<UINT>{300}), frame.commands);
    EXPECT_EQ((std::vector<bool>{false}), frame.popupAliveAtCommand);
}

TEST_F(PopupMenuTest, EscapeClosesOnlyTheSubmenuThenThePopup)
{
    CVrxPPopupMenu* pPopup = Open(100, 100);
    ASSERT_NE(nullptr, pPopup);
    PressKey(VK_END);
    PressKey(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return pPopup->Submenu() != nullptr; }));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return pPopup->Submenu() == nullptr; }));
    EXPECT_EQ(pPopup, CVrxPPopupMenu::ActivePopup());
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil(NoPopup));
    EXPECT_TRUE(frame.commands.empty());
}

TEST_F(PopupMenuTest, AMnemonicRunsItsItemAndADisabledOneClosesWithoutCommand)
{
    ASSERT_NE(nullptr, Open(100, 100));
    PressKey('W');
    ASSERT_TRUE(PumpUntil(NoPopup));
    PumpMessages();
    EXPECT_EQ((std::vector<UINT>{101}), frame.commands);

    ASSERT_NE(nullptr, Open(100, 100));
    PressKey('P');
    ASSERT_TRUE(PumpUntil(NoPopup));
    PumpMessages();
    EXPECT_EQ((std::vector<UINT>{101}), frame.commands) << "Paste is greyed";
}

TEST_F(PopupMenuTest, HoverOpensTheSubmenuAfterTheDelay)
{
    CVrxPPopupMenu* pPopup = Open(100, 100);
    ASSERT_NE(nullptr, pPopup);
    CVrxPPopupMenuBar* pBar = pPopup->MenuBar();
    CRect rectMore = pBar->GetButton(4)->rect;
    pBar->ClientToScreen(&rectMore);
    // Two moves: the first one the popup ignores (it came up under the pointer).
    ::SetCursorPos(rectMore.left + 10, rectMore.top + 2);
    PumpFor(50);
    ::SetCursorPos(rectMore.left + 12, rectMore.CenterPoint().y);
    EXPECT_TRUE(PumpUntil([&] { return pPopup->Submenu() != nullptr; }))
        << "after " << CVrxPPopupMenuBar::SubmenuDelay() << " ms";
}

TEST_F(PopupMenuTest, AClickOutsideClosesTheChainAndReachesTheWindowUnderIt)
{
    CWnd button;
    ASSERT_TRUE(button.CreateEx(0, "BUTTON", "under", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(300, 200, 380, 240),
                                &frame, 555));
    button.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CVrxPPopupMenu* pPopup = Open(100, 100);
    ASSERT_NE(nullptr, pPopup);
    PressKey(VK_END);
    PressKey(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return pPopup->Submenu() != nullptr; }));
    CRect rectButton;
    button.GetWindowRect(&rectButton);
    ClickAt(rectButton.CenterPoint());
    EXPECT_TRUE(PumpUntil(NoPopup));
    EXPECT_TRUE(PumpUntil([&] { return !frame.commands.empty(); }));
    EXPECT_EQ((std::vector<UINT>{555}), frame.commands) << "the button under the pointer was clicked";
}

TEST_F(PopupMenuTest, NearTheScreensCornerThePopupStaysInTheWorkArea)
{
    CRect work;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    CVrxPPopupMenu* pPopup = Open(work.right - 5, work.bottom - 5);
    ASSERT_NE(nullptr, pPopup);
    CRect rect;
    pPopup->GetWindowRect(&rect);
    EXPECT_FALSE(rect.IsRectEmpty());
    EXPECT_LE(rect.right, work.right);
    EXPECT_LE(rect.bottom, work.bottom);
    EXPECT_GE(rect.left, work.left);
    EXPECT_GE(rect.top, work.top);
    PressKey(VK_END);
    PressKey(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return pPopup->Submenu() != nullptr; }));
    CRect rectSub;
    pPopup->Submenu()->GetWindowRect(&rectSub);
    EXPECT_LE(rectSub.right, rect.left + 1) << "the submenu flips to the left of its owner";
    EXPECT_LE(rectSub.bottom, work.bottom);
}

TEST_F(PopupMenuTest, AMenuTallerThanTheWorkAreaScrollsToTheChosenItem)
{
    CRect work;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    HMENU hTall = ::CreatePopupMenu();
    for (int i = 0; i < 60; i++)
    {
        CString text;
        text.Format("Item %d", i);
        ::AppendMenu(hTall, MF_STRING, static_cast<UINT>(1000 + i), text);
    }
    CVrxPPopupMenu* pPopup = new CVrxPPopupMenu;
    ASSERT_TRUE(pPopup->CreatePopup(&frame, 100, work.top + 10, hTall, FALSE, TRUE));
    PumpMessages();
    CRect rectPopup;
    pPopup->GetWindowRect(&rectPopup);
    EXPECT_LE(rectPopup.bottom, work.bottom);
    CVrxPPopupMenuBar* pBar = pPopup->MenuBar();
    CRect rectBar;
    pBar->GetClientRect(&rectBar);
    ASSERT_GT(pBar->GetButton(59)->rect.bottom, rectBar.bottom) << "60 items do not fit";
    PressKey(VK_END);
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetHotIndex() == 59; }));
    EXPECT_LE(pBar->GetButton(59)->rect.bottom, rectBar.bottom) << "the last item scrolled into view";
    EXPECT_GE(pBar->GetButton(59)->rect.top, rectBar.top);
    PressKey(VK_HOME);
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetHotIndex() == 0; }));
    EXPECT_GE(pBar->GetButton(0)->rect.top, rectBar.top) << "and back to the first";
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !frame.commands.empty(); }));
    EXPECT_EQ((std::vector<UINT>{1000}), frame.commands);
}

TEST_F(PopupMenuTest, AReceiverThatGoesTakesItsOpenPopupWithIt)
{
    CWnd receiver;
    ASSERT_TRUE(receiver.CreateEx(0, AfxRegisterWndClass(0), "receiver", WS_OVERLAPPED | WS_VISIBLE,
                                  CRect(500, 100, 600, 200), nullptr, 0));
    m_hMenu = MakePopup();
    CVrxPPopupMenu* pPopup = new CVrxPPopupMenu;
    pPopup->destroyMenuHandle = FALSE;
    ASSERT_TRUE(pPopup->CreatePopup(&receiver, 520, 120, m_hMenu, FALSE, TRUE));
    const HWND hPopup = pPopup->GetSafeHwnd();
    receiver.DestroyWindow();
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_TRUE(NoPopup());
    PressKey(VK_RETURN);
    PumpFor(100);
    EXPECT_TRUE(frame.commands.empty());
}

TEST_F(PopupMenuTest, KeepsTheChosenCommandInTrackMode)
{
    ASSERT_NE(nullptr, Open(100, 100, TRUE));
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil(NoPopup));
    PumpMessages();
    EXPECT_EQ(100u, CVrxPPopupMenu::TrackedCommand());
    EXPECT_TRUE(frame.commands.empty());
}

TEST(PopupMenuBarTest, LeavesNoLeadingTrailingOrDoubledSeparator)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hMenu, MF_STRING, 100, "a");
    ::AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hMenu, MF_STRING | MF_MENUBREAK, 101, "b");
    ::AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
    CVrxPPopupMenuBar bar;
    ASSERT_TRUE(bar.FillFromMenu(hMenu));
    ASSERT_EQ(3, bar.GetCount());
    EXPECT_EQ(100u, bar.GetButton(0)->commandId);
    EXPECT_TRUE(bar.GetButton(1)->IsSeparator());
    EXPECT_EQ(101u, bar.GetButton(2)->commandId);
    EXPECT_NE(0u, bar.GetButton(2)->style & CVrxPPopupMenuBar::styleColumnBreak);
    HMENU hBuilt = bar.BuildMenuHandle();
    EXPECT_NE(0u, ::GetMenuState(hBuilt, 2, MF_BYPOSITION) & MF_MENUBREAK);
    ::DestroyMenu(hBuilt);
    ::DestroyMenu(hMenu);
}

TEST(TearOffIdPoolTest, TagsTearOffPopupsAndReleasesTheirIds)
{
    HMENU hInner = ::CreatePopupMenu();
    ::AppendMenu(hInner, MF_STRING, 1, "x");
    HMENU hOuter = ::CreatePopupMenu();
    ::AppendMenu(hOuter, MF_STRING, 2, "y");
    ::AppendMenu(hOuter, MF_POPUP | MF_MENUBARBREAK, reinterpret_cast<UINT_PTR>(hInner), "&Tools");
    CVrxPTearOffIdPool pool(500, 501);
    pool.TagTearOffPopups(hOuter);
    char text[64] = "";
    ::GetMenuString(hOuter, 1, text, sizeof(text), MF_BYPOSITION);
    CString tagged = text;
    EXPECT_EQ(500u, CVrxPTearOffIdPool::ParseTearOffId(tagged));
    EXPECT_STREQ("&Tools", tagged);
    EXPECT_EQ(hInner, ::GetSubMenu(hOuter, 1)) << "the item keeps its submenu";
    pool.TagTearOffPopups(hOuter);
    EXPECT_EQ(0, pool.UseCount(501)) << "a tagged popup is not tagged again";
    pool.ReleaseMenuIds(hOuter);
    EXPECT_EQ(0, pool.UseCount(500));
    ::DestroyMenu(hOuter);
}
} // namespace
