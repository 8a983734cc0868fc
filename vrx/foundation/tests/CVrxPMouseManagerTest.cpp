#include "foundation/CVrxPMouseManager.h"

#include "foundation/CVrxPRegistryHolder.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <vector>

namespace
{
const char testProfile[] = "Software\\korvo vrx mouse tests\\";
const char testRoot[] = "Software\\korvo vrx mouse tests";

class MouseManagerTest : public ::testing::Test
{
protected:
    void SetUp() override { SHDeleteKey(HKEY_CURRENT_USER, testRoot); }
    void TearDown() override { SHDeleteKey(HKEY_CURRENT_USER, testRoot); }

    std::vector<BYTE> StoredMouse()
    {
        std::vector<BYTE> bytes(256);
        DWORD nSize = static_cast<DWORD>(bytes.size());
        HKEY hKey;
        if (RegOpenKeyEx(HKEY_CURRENT_USER, testProfile, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return {};
        if (RegQueryValueEx(hKey, "Mouse", NULL, NULL, bytes.data(), &nSize) != ERROR_SUCCESS)
            nSize = 0;
        RegCloseKey(hKey);
        bytes.resize(nSize);
        return bytes;
    }

    CVrxPMouseManager m_manager;
};

TEST_F(MouseManagerTest, CommandZeroRemovesTheBinding)
{
    m_manager.SetDoubleClickCommand(3, 32771);
    EXPECT_EQ(32771u, m_manager.CommandForView(3));
    m_manager.SetDoubleClickCommand(3, 0);
    EXPECT_EQ(0u, m_manager.CommandForView(3));
    EXPECT_EQ(-1, m_manager.LookupViewId("Unknown view"));
    EXPECT_EQ(0u, m_manager.IconIdForView(3));
    EXPECT_EQ(&m_manager, CVrxPMouseManager::Instance());
}

TEST_F(MouseManagerTest, TwoBindingsAreTwentyBytes)
{
    m_manager.SetDoubleClickCommand(1, 0x8001);
    m_manager.SetDoubleClickCommand(-2, 0x8002);
    ASSERT_TRUE(m_manager.StoreState(testProfile));
    const std::vector<BYTE> bytes = StoredMouse();
    ASSERT_EQ(20u, bytes.size());
    EXPECT_EQ(2, bytes[0]);
    m_manager.SetDoubleClickCommand(9, 9);
    ASSERT_TRUE(m_manager.RestoreState(testProfile));
    EXPECT_EQ(0x8001u, m_manager.CommandForView(1));
    EXPECT_EQ(0x8002u, m_manager.CommandForView(-2));
    EXPECT_EQ(0u, m_manager.CommandForView(9));
}

// A damaged value takes none of its bindings and leaves none of the old ones.
TEST_F(MouseManagerTest, EmptyOrCutValueFailsAndLeavesNoBinding)
{
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        ASSERT_TRUE(registry.MakeKey(testProfile));
        ASSERT_TRUE(registry.WriteBinary("Mouse", nullptr, 0));
    }
    m_manager.SetDoubleClickCommand(4, 4);
    EXPECT_FALSE(m_manager.RestoreState(testProfile));
    EXPECT_EQ(0u, m_manager.CommandForView(4));

    m_manager.SetDoubleClickCommand(4, 4);
    const BYTE cut[] = {2, 0, 0, 0, 7, 0, 0, 0, 70, 0, 0, 0, 8, 0};
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        ASSERT_TRUE(registry.MakeKey(testProfile));
        ASSERT_TRUE(registry.WriteBinary("Mouse", cut, sizeof(cut)));
    }
    EXPECT_FALSE(m_manager.RestoreState(testProfile));
    EXPECT_EQ(0u, m_manager.CommandForView(7));
    EXPECT_EQ(0u, m_manager.CommandForView(4));
}

TEST_F(MouseManagerTest, MissingKeyFails)
{
    m_manager.SetDoubleClickCommand(5, 50);
    EXPECT_FALSE(m_manager.RestoreState(testProfile));
    EXPECT_EQ(50u, m_manager.CommandForView(5));
}
} // namespace
