#include "foundation/CVrxPContextMenuManager.h"

#include "VrxFoundationTestResources.h"

#include <gtest/gtest.h>

namespace
{
TEST(CVrxPContextMenuManager, RegistersEachMenuOnce)
{
    CVrxPContextMenuManager manager;
    EXPECT_EQ(&manager, CVrxPContextMenuManager::Instance());
    ASSERT_TRUE(manager.RegisterMenu("My menu", IDR_TEST_CONTEXT_MENU));
    EXPECT_FALSE(manager.RegisterMenu("Again", IDR_TEST_CONTEXT_MENU));
    EXPECT_FALSE(manager.RegisterMenu("Missing", 4711));
    UINT nMenuId = 1;
    HMENU hMenu = manager.FindMenu("My menu", &nMenuId);
    ASSERT_NE(nullptr, hMenu);
    EXPECT_EQ(static_cast<UINT>(IDR_TEST_CONTEXT_MENU), nMenuId);
    HMENU hPopup = GetSubMenu(hMenu, 0);
    ASSERT_NE(nullptr, hPopup);
    EXPECT_EQ(3, GetMenuItemCount(hPopup));
    EXPECT_EQ(nullptr, manager.FindMenu("Again", &nMenuId));
    EXPECT_EQ(0u, nMenuId);
    ASSERT_TRUE(manager.RegisterMenu("Other", IDR_TEST_OTHER_MENU));
    CStringList names;
    names.AddTail("stale");
    manager.ListMenuNames(names);
    EXPECT_EQ(2, names.GetCount());
    EXPECT_NE(nullptr, names.Find("Other"));
}
} // namespace
