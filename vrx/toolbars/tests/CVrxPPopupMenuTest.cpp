#include "toolbars/CVrxPPopupMenu.h"

#include "toolbars/CVrxPMenuStore.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include "TestMdiFrame.h"

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

TEST(MenuStoreTest, KeepsTheItemsOfEachMenu)
{
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

    EXPECT_TRUE(store.Discard(hPopup));
    EXPECT_FALSE(store.Discard(hPopup));
    EXPECT_FALSE(store.Restore(hPopup, &restored));
    ::DestroyMenu(hPopup);
}

// Chooses the popup's first enabled item as a user would: Down, Enter.
void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hMenu = ::FindWindowEx(NULL, NULL, "#32768", nullptr);
    if (hMenu == NULL || !::IsWindowVisible(hMenu))
        return;
    ::KillTimer(NULL, nTimer);
    ::PostMessage(hMenu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessage(hMenu, WM_KEYDOWN, VK_RETURN, 0);
}

class PopupMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "popups", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(50, 50, 450, 350)));
        // The test frame handles its commands in OnCommand, not by map.
        frame.m_bAutoMenuEnable = FALSE;
        ::SetForegroundWindow(frame.GetSafeHwnd());
        PumpMessages();
    }
    void TearDown() override { frame.DestroyWindow(); }

    // Opens the popup and lets the timer choose; the popup is gone after.
    void Choose(CVrxPPopupMenu* pPopup)
    {
        const UINT_PTR nTimer = ::SetTimer(NULL, 0, 200, ChooseFirstItem);
        ASSERT_TRUE(pPopup->CreatePopup(&frame, 100, 100, MakePopup(), FALSE, TRUE));
        ::KillTimer(NULL, nTimer);
        PumpMessages();
        EXPECT_EQ(nullptr, CVrxPPopupMenu::ActivePopup());
    }

    TestMdiFrame frame;
};

TEST_F(PopupMenuTest, SendsTheChosenCommandToItsReceiver)
{
    Choose(new CVrxPPopupMenu);
    ASSERT_EQ(1u, frame.commands.size());
    EXPECT_EQ(100u, frame.commands[0]);
}

TEST_F(PopupMenuTest, KeepsTheChosenCommandInTrackMode)
{
    CVrxPPopupMenu* pPopup = new CVrxPPopupMenu;
    pPopup->trackMode = TRUE;
    Choose(pPopup);
    EXPECT_EQ(100u, CVrxPPopupMenu::TrackedCommand());
    EXPECT_TRUE(frame.commands.empty());
}
} // namespace
