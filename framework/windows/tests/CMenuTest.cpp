#include "windows/CMenu.h"
#include "windows/CWnd.h"

#include "WindowsTestResources.h"

#include <gtest/gtest.h>

namespace
{
TEST(CMenu, LoadsAMenuThroughTheResourceChain)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_PROBE_MENU));
    ASSERT_EQ(1u, menu.GetMenuItemCount());
    CString strTitle;
    EXPECT_EQ(5, menu.GetMenuString(0, strTitle, MF_BYPOSITION));
    EXPECT_STREQ("&File", strTitle);

    CMenu* pFile = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, pFile);
    ASSERT_EQ(4u, pFile->GetMenuItemCount());
    EXPECT_EQ(static_cast<UINT>(ID_PROBE_FIRST), pFile->GetMenuItemID(0));
    EXPECT_EQ(0u, pFile->GetMenuItemID(1));
    EXPECT_EQ(static_cast<UINT>(-1), pFile->GetMenuItemID(3));
    EXPECT_EQ(nullptr, pFile->GetSubMenu(0));
    EXPECT_EQ(static_cast<UINT>(ID_PROBE_INNER), pFile->GetSubMenu(3)->GetMenuItemID(0));

    EXPECT_FALSE(menu.LoadMenu(IDR_PROBE_MENU));
    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(IDR_PROBE_MENU + 1));
    EXPECT_EQ(NULL, missing.m_hMenu);
}

TEST(CMenu, EditsItemsAndReadsTheirState)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_TRUE(menu.AppendMenu(MF_STRING, 10, "Ten"));
    EXPECT_TRUE(menu.AppendMenu(MF_STRING, 30, "Thirty"));
    EXPECT_TRUE(menu.InsertMenu(1, MF_BYPOSITION | MF_STRING, 20, "Twenty"));
    EXPECT_TRUE(menu.ModifyMenu(30, MF_BYCOMMAND | MF_STRING, 31, "Thirty-one"));
    EXPECT_EQ(static_cast<UINT>(MF_UNCHECKED), menu.CheckMenuItem(20, MF_BYCOMMAND | MF_CHECKED));
    EXPECT_EQ(static_cast<UINT>(MF_ENABLED), menu.EnableMenuItem(10, MF_BYCOMMAND | MF_GRAYED));

    UINT expectedIds[] = {10, 20, 31};
    ASSERT_EQ(3u, menu.GetMenuItemCount());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(expectedIds[i], menu.GetMenuItemID(i));
    EXPECT_TRUE(menu.GetMenuState(20, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(menu.GetMenuState(10, MF_BYCOMMAND) & MF_GRAYED);
    CString strText;
    menu.GetMenuString(31, strText, MF_BYCOMMAND);
    EXPECT_STREQ("Thirty-one", strText);

    EXPECT_TRUE(menu.DeleteMenu(20, MF_BYCOMMAND));
    EXPECT_TRUE(menu.RemoveMenu(0, MF_BYPOSITION));
    EXPECT_EQ(1u, menu.GetMenuItemCount());
    EXPECT_EQ(0, menu.GetMenuString(99, strText, MF_BYCOMMAND));
    EXPECT_TRUE(strText.IsEmpty());
}

TEST(CMenu, AWindowHandsOutItsMenusAsObjects)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "menu", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL, NULL));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_PROBE_MENU));
    EXPECT_TRUE(wnd.SetMenu(&menu));
    EXPECT_EQ(&menu, wnd.GetMenu());
    CMenu* pSystem = wnd.GetSystemMenu(FALSE);
    ASSERT_NE(nullptr, pSystem);
    EXPECT_GT(pSystem->GetMenuItemCount(), 0u);
    wnd.SetMenu(nullptr);
    wnd.DestroyWindow();
}
} // namespace
