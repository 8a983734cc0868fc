#include "foundation/CVrxPCommandManager.h"

#include "foundation/CVrxPRegistryHolder.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <vector>

namespace
{
const char testProfile[] = "Software\\korvo vrx command tests\\";
const char testKey[] = "Software\\korvo vrx command tests\\VrxCommandManager";

class CommandManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKey(HKEY_CURRENT_USER, "Software\\korvo vrx command tests");
        CVrxPCommandManager::Get().Clear();
    }
    void TearDown() override
    {
        CVrxPCommandManager::Get().Clear();
        SHDeleteKey(HKEY_CURRENT_USER, "Software\\korvo vrx command tests");
    }
};

TEST_F(CommandManagerTest, StandardImageWinsOverALaterUserImage)
{
    CVrxPCommandManager& manager = CVrxPCommandManager::Get();
    manager.AssignImage(100, 7, FALSE);
    manager.AssignImage(100, 3, TRUE);
    EXPECT_EQ(7, manager.ImageIndexOf(100, FALSE));
    EXPECT_EQ(-1, manager.ImageIndexOf(100, TRUE));
    manager.AssignImage(101, 4, TRUE);
    manager.AssignImage(101, 9, FALSE);
    EXPECT_EQ(4, VrxPCommandImage(101, TRUE));
    EXPECT_EQ(-1, VrxPCommandImage(101, FALSE));
    manager.ForgetUserImage(101);
    EXPECT_EQ(-1, manager.ImageIndexOf(101, TRUE));
}

TEST_F(CommandManagerTest, CommandZeroAndMinusOneGetNoImage)
{
    CVrxPCommandManager& manager = CVrxPCommandManager::Get();
    manager.AssignImage(0, 1, FALSE);
    manager.AssignImage(static_cast<UINT>(-1), 1, FALSE);
    EXPECT_EQ(-1, manager.ImageIndexOf(0, FALSE));
    EXPECT_EQ(-1, manager.ImageIndexOf(static_cast<UINT>(-1), FALSE));
}

TEST_F(CommandManagerTest, HidingTwiceListsTheCommandOnce)
{
    CVrxPCommandManager& manager = CVrxPCommandManager::Get();
    manager.SetShowImage(200, TRUE, 5);
    EXPECT_EQ(5, manager.MenuUserImageOf(200));
    manager.SetShowImage(200, FALSE);
    manager.SetShowImage(200, FALSE);
    EXPECT_TRUE(manager.IsShownWithoutImage(200));
    EXPECT_EQ(-1, manager.MenuUserImageOf(200));
    manager.SetShowImage(200, TRUE);
    EXPECT_FALSE(manager.IsShownWithoutImage(200));
}

TEST_F(CommandManagerTest, StoresItsListsAsArchives)
{
    CVrxPCommandManager& manager = CVrxPCommandManager::Get();
    manager.SetShowImage(0x1234, FALSE);
    manager.SetShowImage(0x5678, FALSE);
    manager.SetShowImage(300, TRUE, 12);
    ASSERT_TRUE(manager.StoreState(testProfile));

    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, testKey, 0, KEY_READ, &hKey));
    std::vector<BYTE> bytes(64);
    DWORD nSize = static_cast<DWORD>(bytes.size());
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(hKey, "CommandsWithoutImages", NULL, NULL, bytes.data(), &nSize));
    bytes.resize(nSize);
    EXPECT_EQ((std::vector<BYTE>{2, 0, 0x34, 0x12, 0, 0, 0x78, 0x56, 0, 0}), bytes);
    bytes.assign(64, 0);
    nSize = static_cast<DWORD>(bytes.size());
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(hKey, "MenuUserImages", NULL, NULL, bytes.data(), &nSize));
    bytes.resize(nSize);
    EXPECT_EQ((std::vector<BYTE>{1, 0, 0x2C, 0x01, 0, 0, 12, 0, 0, 0}), bytes);
    RegCloseKey(hKey);

    manager.Clear();
    manager.SetShowImage(999, FALSE);
    ASSERT_TRUE(manager.RestoreState(testProfile));
    EXPECT_TRUE(manager.IsShownWithoutImage(0x1234));
    EXPECT_TRUE(manager.IsShownWithoutImage(0x5678));
    EXPECT_FALSE(manager.IsShownWithoutImage(999));
    EXPECT_EQ(12, manager.MenuUserImageOf(300));
}

TEST_F(CommandManagerTest, MissingKeyChangesNothing)
{
    CVrxPCommandManager& manager = CVrxPCommandManager::Get();
    manager.SetShowImage(77, FALSE);
    EXPECT_FALSE(manager.RestoreState(testProfile));
    EXPECT_TRUE(manager.IsShownWithoutImage(77));
}

TEST_F(CommandManagerTest, DamagedValueFailsTheRestore)
{
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        ASSERT_TRUE(registry.MakeKey(testKey));
        const BYTE damaged[] = {5, 0, 1, 0};
        registry.WriteBinary("CommandsWithoutImages", damaged, sizeof(damaged));
    }
    EXPECT_FALSE(CVrxPCommandManager::Get().RestoreState(testProfile));
}

// A damaged menu-image value takes nothing of either value.
TEST_F(CommandManagerTest, DamagedMenuImagesTakeNothing)
{
    CVrxPCommandManager& manager = CVrxPCommandManager::Get();
    manager.SetShowImage(77, FALSE);
    ASSERT_TRUE(manager.StoreState(testProfile));
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        ASSERT_TRUE(registry.MakeKey(testKey));
        // Two entries announced, one and a half stored.
        const BYTE cut[] = {2, 0, 0x2C, 1, 0, 0, 12, 0, 0, 0, 0x2D, 1};
        ASSERT_TRUE(registry.WriteBinary("MenuUserImages", cut, sizeof(cut)));
    }
    manager.Clear();
    EXPECT_FALSE(manager.RestoreState(testProfile));
    EXPECT_FALSE(manager.IsShownWithoutImage(77));
    EXPECT_EQ(-1, manager.MenuUserImageOf(300));
}
} // namespace
