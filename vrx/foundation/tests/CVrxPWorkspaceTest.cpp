#include "foundation/CVrxPWorkspace.h"

#include "app/CWinApp.h"
#include "docking/CVrxPFrameHelper.h"
#include "foundation/CVrxPKeyboardManager.h"
#include "foundation/CVrxPMouseManager.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPMakeWindowClass.h"

#include "TestFrame.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <vector>

namespace
{
const char testRoot[] = "Software\\korvo vrx workspace tests";
const char basePath[] = "SOFTWARE\\korvo vrx workspace tests\\korvo vrx test\\Settings\\";

// Notes the stored version as the last loading step sees it.
class TestWorkspace : public CVrxPWorkspace
{
public:
    using CVrxPWorkspace::CVrxPWorkspace;
    int nVersionSeenByLoad = 0;
    std::vector<const char*> hooks;

protected:
    void BeforeLoadState() override { hooks.push_back("before load"); }
    void AfterLoadState() override
    {
        hooks.push_back("after load");
        nVersionSeenByLoad = PackedStateVersion();
    }
    void BeforeSaveState() override { hooks.push_back("before save"); }
    void AfterSaveState() override { hooks.push_back("after save"); }
};

// Records the commands it is sent.
class CommandFrame : public TestFrame
{
public:
    std::vector<UINT> commands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
        {
            commands.push_back(LOWORD(wParam));
            return 0;
        }
        return TestFrame::WindowProc(message, wParam, lParam);
    }
};

DWORD StoredDword(const std::string& key, const char* name, BOOL* pbFound = nullptr)
{
    DWORD dwValue = 0;
    DWORD nSize = sizeof(dwValue);
    HKEY hKey;
    BOOL bFound = FALSE;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey) == ERROR_SUCCESS)
    {
        bFound = RegQueryValueEx(hKey, name, NULL, NULL, reinterpret_cast<BYTE*>(&dwValue), &nSize) == ERROR_SUCCESS;
        RegCloseKey(hKey);
    }
    if (pbFound != nullptr)
        *pbFound = bFound;
    return dwValue;
}

class WorkspaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKey(HKEY_CURRENT_USER, testRoot);
        m_app.SetRegistryKey("korvo vrx workspace tests");
        m_workspace.ChooseRegistryBase("Settings");
    }
    void TearDown() override { SHDeleteKey(HKEY_CURRENT_USER, testRoot); }

    CWinApp m_app{"korvo vrx test"};
    TestWorkspace m_workspace{TRUE};
};

TEST(CVrxPWorkspace, VersionPacking)
{
    EXPECT_EQ(0x90400, CVrxPWorkspace::PackVersion(9, 40));
    EXPECT_EQ(0x90500, CVrxPWorkspace::PackVersion(9, 5));
    EXPECT_EQ(0x90210, CVrxPWorkspace::PackVersion(9, 21));
    EXPECT_EQ(-1, CVrxPWorkspace::PackVersion(-1, 40));
    EXPECT_EQ(-1, CVrxPWorkspace::PackVersion(9, -1));
}

TEST_F(WorkspaceTest, ConstructionStartsTheLibraryAndMakesTheSingleton)
{
    EXPECT_TRUE(VrxPLibraryStarted());
    EXPECT_EQ(&m_workspace, VrxPWorkspaceInstance());
    EXPECT_STREQ(basePath, m_workspace.BuildSectionPath());
    EXPECT_STREQ((std::string(basePath) + "WindowPlacement\\").c_str(), m_workspace.BuildSectionPath("WindowPlacement"));
}

TEST_F(WorkspaceTest, FreshRegistryLoadsWithoutAVersion)
{
    EXPECT_EQ(-1, m_workspace.PackedStateVersion());
    EXPECT_TRUE(m_workspace.RestoreAll(nullptr, nullptr));
    EXPECT_EQ(-1, m_workspace.nVersionSeenByLoad);
    EXPECT_EQ(0x90400, m_workspace.PackedStateVersion());
    EXPECT_EQ((std::vector<const char*>{"before load", "after load"}), m_workspace.hooks);
}

TEST_F(WorkspaceTest, StoredVersionIsReadBack)
{
    ASSERT_TRUE(m_workspace.StoreAll(nullptr, nullptr));
    EXPECT_EQ(9u, StoredDword(std::string(basePath) + "VrxControlBarVersion", "Major"));
    EXPECT_EQ(40u, StoredDword(std::string(basePath) + "VrxControlBarVersion", "Minor"));
    TestWorkspace other;
    other.ChooseRegistryBase("Settings");
    ASSERT_TRUE(other.RestoreAll(nullptr, nullptr));
    EXPECT_EQ(0x90400, other.nVersionSeenByLoad);
}

TEST_F(WorkspaceTest, SavingDisabledWritesNothing)
{
    m_workspace.savingEnabled = FALSE;
    EXPECT_FALSE(m_workspace.StoreAll(nullptr, nullptr));
    CVrxPRegistryHolder holder;
    EXPECT_FALSE(holder.Open(FALSE, TRUE).KeyExists(basePath));
    EXPECT_TRUE(m_workspace.hooks.empty());
}

TEST_F(WorkspaceTest, ResetStateRemovesTheBase)
{
    ASSERT_TRUE(m_workspace.StoreAll(nullptr, nullptr));
    ASSERT_TRUE(m_workspace.StoreSectionInt("Nested\\Deeper", "Value", 3));
    EXPECT_TRUE(m_workspace.ResetState(nullptr));
    TestWorkspace other;
    other.ChooseRegistryBase("Settings");
    other.RestoreAll(nullptr, nullptr);
    EXPECT_EQ(-1, other.nVersionSeenByLoad);
}

TEST_F(WorkspaceTest, NumbersUnderTheBase)
{
    EXPECT_EQ(32830, m_workspace.FetchInt("ApplicationLook", 32830));
    ASSERT_TRUE(m_workspace.StoreInt("ApplicationLook", 32831));
    EXPECT_EQ(32831u, StoredDword(basePath, "ApplicationLook"));
    EXPECT_EQ(32831, m_workspace.FetchInt("ApplicationLook", 32830));
}

TEST_F(WorkspaceTest, PlacementIsStoredMaximisedOrNormal)
{
    CommandFrame* pFrame = new CommandFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, "placement", WS_OVERLAPPEDWINDOW, CRect(50, 60, 450, 360)));
    CVrxPFrameHelper helper(pFrame);
    pFrame->ShowWindow(SW_SHOWNORMAL);
    ASSERT_TRUE(m_workspace.StoreAll(nullptr, &helper));
    const std::string placement = std::string(basePath) + "WindowPlacement";
    EXPECT_EQ(static_cast<DWORD>(SW_SHOWNORMAL), StoredDword(placement, "ShowCmd"));
    CRect rect;
    UINT nFlags = 0, nShowCmd = 0;
    ASSERT_TRUE(m_workspace.ReadPlacement(rect, nFlags, nShowCmd));
    EXPECT_EQ(400, rect.Width());
    EXPECT_EQ(300, rect.Height());

    pFrame->ShowWindow(SW_SHOWMAXIMIZED);
    ASSERT_TRUE(m_workspace.StoreAll(nullptr, &helper));
    EXPECT_EQ(static_cast<DWORD>(SW_SHOWMAXIMIZED), StoredDword(placement, "ShowCmd"));
    pFrame->DestroyWindow();
    delete pFrame;
}

TEST_F(WorkspaceTest, StoredPlacementIsAppliedToTheFrame)
{
    CRect workArea;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0);
    ASSERT_TRUE(m_workspace.WritePlacement(CRect(100, 120, 420, 360), 0, SW_SHOWNORMAL));
    CommandFrame* pFrame = new CommandFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, "placement", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 200)));
    CVrxPFrameHelper helper(pFrame);
    EXPECT_TRUE(m_workspace.RestoreAll(nullptr, &helper));
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(pFrame->GetSafeHwnd(), &placement);
    EXPECT_EQ(320, placement.rcNormalPosition.right - placement.rcNormalPosition.left);
    EXPECT_EQ(100 - workArea.left, placement.rcNormalPosition.left);
    pFrame->DestroyWindow();
    delete pFrame;
}

TEST_F(WorkspaceTest, MissingPlacementLeavesTheFrame)
{
    CRect rect(1, 2, 3, 4);
    UINT nFlags = 7, nShowCmd = 8;
    EXPECT_FALSE(m_workspace.ReadPlacement(rect, nFlags, nShowCmd));
    EXPECT_EQ(CRect(1, 2, 3, 4), rect);
    EXPECT_EQ(8u, nShowCmd);
}

TEST_F(WorkspaceTest, ViewDoubleClickRunsTheBoundCommand)
{
    EXPECT_FALSE(m_workspace.RunViewCommand(nullptr, 1));
    CommandFrame* pFrame = new CommandFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, "views"));
    CWnd view;
    ASSERT_TRUE(view.CreateEx(0, VrxPMakeWindowClass("VrxPTest"), "", WS_CHILD, CRect(0, 0, 10, 10), pFrame, 1));
    {
        CVrxPMouseManager mouse;
        mouse.SetDoubleClickCommand(7, 0x8123);
        EXPECT_FALSE(m_workspace.RunViewCommand(&view, 8));
        EXPECT_TRUE(m_workspace.RunViewCommand(&view, 7));
    }
    EXPECT_EQ((std::vector<UINT>{0x8123}), pFrame->commands);
    view.DestroyWindow();
    pFrame->DestroyWindow();
    delete pFrame;
}

TEST_F(WorkspaceTest, ManagersCreatedHereGoWithTheWorkspace)
{
    {
        TestWorkspace workspace;
        EXPECT_TRUE(workspace.CreateKeyboardManager());
        EXPECT_FALSE(workspace.CreateKeyboardManager());
        EXPECT_NE(nullptr, CVrxPKeyboardManager::Instance());
        EXPECT_NE(nullptr, workspace.AcquireContextMenuManager());
        EXPECT_EQ(workspace.AcquireToolTipFactory(), workspace.AcquireToolTipFactory());
    }
    EXPECT_EQ(nullptr, CVrxPKeyboardManager::Instance());
}

TEST_F(WorkspaceTest, KeyboardTableIsStoredUnderTheBase)
{
    CVrxPKeyboardManager keyboard;
    CommandFrame* pFrame = new CommandFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, "keys"));
    const ACCEL entry = {FVIRTKEY | FCONTROL, 'K', 0x8200};
    pFrame->m_hAccelTable = CreateAcceleratorTable(const_cast<ACCEL*>(&entry), 1);
    CVrxPFrameHelper helper(pFrame);
    ASSERT_TRUE(m_workspace.StoreAll(nullptr, &helper));
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    ASSERT_TRUE(registry.OpenKey((std::string(basePath) + "VrxKeyboard-0").c_str()));
    EXPECT_TRUE(registry.ValueExists("Accelerators"));
    pFrame->DestroyWindow();
    delete pFrame;
}
} // namespace
