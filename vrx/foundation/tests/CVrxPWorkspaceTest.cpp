#include "foundation/CVrxPWorkspace.h"

#include "app/CWinApp.h"
#include "docking/mdi/CVrxPFrameHelper.h"
#include "foundation/CVrxPKeyboardManager.h"
#include "foundation/CVrxPMouseManager.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPMakeWindowClass.h"
#include "frames/CDockState.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include "TestFrame.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <memory>
#include <string>
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
    ASSERT_EQ(-1, m_workspace.PackedStateVersion());
    ASSERT_TRUE(m_workspace.StoreAll(nullptr, nullptr));
    // What was just stored is in the form of the version it was stored under.
    EXPECT_EQ(0x90400, m_workspace.PackedStateVersion());
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

// A damaged placement would hide the frame or give it no size; a version
// number the packed form has no room for is no version.
TEST_F(WorkspaceTest, DamagedPlacementOrVersionIsNotTaken)
{
    ASSERT_TRUE(m_workspace.WritePlacement(CRect(100, 120, 420, 360), 0, SW_SHOWNORMAL));
    const std::string placement = std::string(basePath) + "WindowPlacement";
    const struct
    {
        const char* name;
        DWORD dwValue;
    } damaged[] = {{"ShowCmd", SW_HIDE}, {"ShowCmd", SW_SHOWMINIMIZED}, {"Flags", 0x100}};
    for (const auto& d : damaged)
    {
        ASSERT_EQ(ERROR_SUCCESS, SHSetValue(HKEY_CURRENT_USER, placement.c_str(), d.name, REG_DWORD, &d.dwValue,
                                            sizeof(d.dwValue)));
        CRect rect(1, 2, 3, 4);
        UINT nFlags = 7, nShowCmd = 8;
        EXPECT_FALSE(m_workspace.ReadPlacement(rect, nFlags, nShowCmd)) << d.name << " " << d.dwValue;
        EXPECT_EQ(8u, nShowCmd);
        ASSERT_TRUE(m_workspace.WritePlacement(CRect(100, 120, 420, 360), 0, SW_SHOWNORMAL));
    }

    ASSERT_TRUE(m_workspace.StoreAll(nullptr, nullptr));
    const std::string version = std::string(basePath) + "VrxControlBarVersion";
    const DWORD dwHugeMajor = 0x10000;
    ASSERT_EQ(ERROR_SUCCESS,
              SHSetValue(HKEY_CURRENT_USER, version.c_str(), "Major", REG_DWORD, &dwHugeMajor, sizeof(dwHugeMajor)));
    TestWorkspace other;
    other.ChooseRegistryBase("Settings");
    ASSERT_TRUE(other.RestoreAll(nullptr, nullptr));
    EXPECT_EQ(-1, other.nVersionSeenByLoad);
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

// While an in-place frame stands in for the top-level frames, a view's
// command goes to it.
TEST_F(WorkspaceTest, ViewCommandGoesToTheTopLevelFrameOverride)
{
    CommandFrame* pOwner = new CommandFrame;
    CommandFrame* pOverride = new CommandFrame;
    ASSERT_TRUE(pOwner->Create(nullptr, "view owner"));
    ASSERT_TRUE(pOverride->Create(nullptr, "in place"));
    CWnd view;
    ASSERT_TRUE(view.CreateEx(0, VrxPMakeWindowClass("VrxPTest"), "", WS_CHILD, CRect(0, 0, 10, 10), pOwner, 1));
    {
        CVrxPMouseManager mouse;
        mouse.SetDoubleClickCommand(7, 0x8124);
        VrxPTopLevelFrameOverride = pOverride;
        EXPECT_TRUE(m_workspace.RunViewCommand(&view, 7));
        VrxPTopLevelFrameOverride = nullptr;
        EXPECT_TRUE(m_workspace.RunViewCommand(&view, 7));
    }
    EXPECT_EQ((std::vector<UINT>{0x8124}), pOverride->commands);
    EXPECT_EQ((std::vector<UINT>{0x8124}), pOwner->commands) << "without an override the view's own frame";
    view.DestroyWindow();
    for (CommandFrame* pFrame : {pOwner, pOverride})
    {
        pFrame->DestroyWindow();
        delete pFrame;
    }
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
// A frame as the application makes it at start: with a bar shown and a bar
// hidden.
struct StartedFrame
{
    StartedFrame(const CRect& rect, BOOL bFirstBarShown)
    {
        pFrame = new CommandFrame;
        if (!pFrame->Create(nullptr, "restart", WS_OVERLAPPEDWINDOW, rect))
            return;
        const CString className = VrxPMakeWindowClass("VrxPTest");
        first.CreateEx(0, className, "", WS_CHILD | (bFirstBarShown ? WS_VISIBLE : 0), CRect(0, 0, 10, 10), pFrame,
                       firstBarId);
        second.CreateEx(0, className, "", WS_CHILD | (bFirstBarShown ? 0 : WS_VISIBLE), CRect(0, 0, 10, 10), pFrame,
                        secondBarId);
        helper.frameWindow = pFrame;
    }
    ~StartedFrame()
    {
        first.DestroyWindow();
        second.DestroyWindow();
        pFrame->DestroyWindow();
        delete pFrame;
    }
    WINDOWPLACEMENT Placement() const
    {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        GetWindowPlacement(pFrame->GetSafeHwnd(), &placement);
        return placement;
    }

    static constexpr UINT firstBarId = 0xE810;
    static constexpr UINT secondBarId = 0xE811;
    CommandFrame* pFrame = nullptr;
    CWnd first;
    CWnd second;
    CVrxPFrameHelper helper;
};

TEST_F(WorkspaceTest, PlacementAndBarsAreKeptAcrossARestart)
{
    for (const int nShowCmd : {SW_SHOWNORMAL, SW_SHOWMAXIMIZED})
    {
        WINDOWPLACEMENT stored;
        {
            TestWorkspace firstRun{TRUE};
            firstRun.ChooseRegistryBase("Settings");
            StartedFrame before(CRect(80, 90, 480, 390), FALSE);
            before.pFrame->ShowWindow(nShowCmd);
            stored = before.Placement();
            ASSERT_TRUE(firstRun.StoreAll(nullptr, &before.helper));
        }
        TestWorkspace restarted{TRUE};
        restarted.ChooseRegistryBase("Settings");
        StartedFrame after(CRect(0, 0, 200, 150), TRUE);
        ASSERT_TRUE(restarted.RestoreAll(nullptr, &after.helper));
        const WINDOWPLACEMENT restored = after.Placement();
        EXPECT_EQ(CRect(stored.rcNormalPosition), CRect(restored.rcNormalPosition)) << nShowCmd;
        EXPECT_EQ(static_cast<UINT>(nShowCmd), restored.showCmd);
        EXPECT_FALSE(after.first.GetStyle() & WS_VISIBLE) << nShowCmd;
        EXPECT_TRUE(after.second.GetStyle() & WS_VISIBLE) << nShowCmd;
    }
}

TEST_F(WorkspaceTest, DockStateIsKeptUnderTheBaseAndAppliedOnlyWithAStoredVersion)
{
    {
        StartedFrame before(CRect(10, 10, 300, 200), FALSE);
        ASSERT_TRUE(m_workspace.StoreAll(nullptr, &before.helper));
    }
    CDockState state;
    ASSERT_TRUE(state.LoadState("Settings\\ControlBars"));
    EXPECT_EQ(2, state.m_arrBarInfo.GetSize());

    // Without the version key the stored bars are left as the frame made them.
    CVrxPRegistryHolder holder;
    ASSERT_TRUE(holder.Open(FALSE, FALSE).RemoveKey((std::string(basePath) + "VrxControlBarVersion").c_str(), FALSE));
    TestWorkspace restarted{TRUE};
    restarted.ChooseRegistryBase("Settings");
    // Showing a window at a new place only slows the test down here.
    restarted.applyPlacement = FALSE;
    StartedFrame after(CRect(0, 0, 200, 150), TRUE);
    ASSERT_TRUE(restarted.RestoreAll(nullptr, &after.helper));
    EXPECT_TRUE(after.first.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(after.second.GetStyle() & WS_VISIBLE);
}

TEST_F(WorkspaceTest, DamagedDockStateLeavesTheBars)
{
    {
        StartedFrame before(CRect(10, 10, 300, 200), FALSE);
        ASSERT_TRUE(m_workspace.StoreAll(nullptr, &before.helper));
    }
    const BYTE damaged[] = {1, 0, 2, 0, 0x10, 0xE8};
    ASSERT_TRUE(m_app.WriteProfileBinary("Settings\\ControlBars", CDockState::valueName, const_cast<BYTE*>(damaged),
                                         sizeof(damaged)));
    TestWorkspace restarted{TRUE};
    restarted.ChooseRegistryBase("Settings");
    // Showing a window at a new place only slows the test down here.
    restarted.applyPlacement = FALSE;
    StartedFrame after(CRect(0, 0, 200, 150), TRUE);
    ASSERT_TRUE(restarted.RestoreAll(nullptr, &after.helper));
    EXPECT_TRUE(after.first.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(after.second.GetStyle() & WS_VISIBLE);
}
bool KeyExists(const std::string& key)
{
    HKEY hKey;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(hKey);
    return true;
}

TEST_F(WorkspaceTest, ToolbarsOfThisFrameAreStoredAndRestoredUnderTheBase)
{
    const DWORD barStyle = 0x50402808;
    StartedFrame mine(CRect(10, 10, 300, 200), TRUE);
    StartedFrame other(CRect(20, 20, 300, 200), TRUE);
    CVrxPToolBar bar;
    ASSERT_TRUE(bar.CreateWithDefaultStyle(mine.pFrame, barStyle, 0xE820));
    bar.InsertButtonCopy(CVrxPToolbarButton(0x8001, 0));
    bar.InsertButtonCopy(CVrxPToolbarButton(0x8002, 1));
    CVrxPToolBar otherBar;
    ASSERT_TRUE(otherBar.CreateWithDefaultStyle(other.pFrame, barStyle, 0xE821));
    otherBar.InsertButtonCopy(CVrxPToolbarButton(0x8003, 2));

    m_workspace.thisFrameOnly = TRUE;
    m_workspace.applyPlacement = FALSE;
    ASSERT_TRUE(m_workspace.StoreAll(nullptr, &mine.helper));
    EXPECT_TRUE(KeyExists(std::string(basePath) + "VrxToolbarParameters"));
    EXPECT_TRUE(KeyExists(std::string(basePath) + "VrxToolBar-59424"));
    EXPECT_FALSE(KeyExists(std::string(basePath) + "VrxToolBar-59425"));

    bar.DeleteAllButtons();
    otherBar.DeleteAllButtons();
    ASSERT_TRUE(m_workspace.RestoreAll(nullptr, &mine.helper));
    ASSERT_EQ(2, bar.GetCount());
    EXPECT_EQ(0x8002u, bar.GetButton(1)->commandId);
    EXPECT_EQ(0, otherBar.GetCount());
    bar.DestroyWindow();
    otherBar.DestroyWindow();
}
std::vector<std::string>& Trace()
{
    static std::vector<std::string> trace;
    return trace;
}

// Each of these notes the steps of a restore or a store it takes part in.
class TracingWorkspace : public CVrxPWorkspace
{
public:
    using CVrxPWorkspace::CVrxPWorkspace;
    BOOL ApplyPlacement(CWnd*) override
    {
        Trace().push_back("apply placement");
        return TRUE;
    }
    BOOL WritePlacement(const CRect& rect, UINT nFlags, UINT nShowCmd) override
    {
        Trace().push_back("write placement");
        return CVrxPWorkspace::WritePlacement(rect, nFlags, nShowCmd);
    }

protected:
    void BeforeLoadState() override { Trace().push_back("before load"); }
    void AfterLoadState() override { Trace().push_back("after load"); }
    void BeforeSaveState() override { Trace().push_back("before save"); }
    void AfterSaveState() override { Trace().push_back("after save"); }
};

class TracingBar : public CVrxPToolBar
{
public:
    BOOL RestoreFromRegistry(LPCTSTR lpszProfile, int nIndex, int nID) override
    {
        Trace().push_back("bar restore");
        return CVrxPToolBar::RestoreFromRegistry(lpszProfile, nIndex, nID);
    }
    BOOL StoreToRegistry(LPCTSTR lpszProfile, int nIndex, int nID) override
    {
        Trace().push_back("bar store");
        return CVrxPToolBar::StoreToRegistry(lpszProfile, nIndex, nID);
    }
    BOOL HasChangedOriginals() override
    {
        Trace().push_back("bar changed");
        return TRUE;
    }
    void RefreshButtonImages() override { Trace().push_back("bar images"); }
};

class TracingFrame : public TestFrame
{
public:
    void RecalcLayout(BOOL bNotify) override
    {
        Trace().push_back("layout");
        TestFrame::RecalcLayout(bNotify);
    }
};

TEST_F(WorkspaceTest, RestoreAndStoreGoInTheirFixedOrder)
{
    TracingFrame* pFrame = new TracingFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, "order", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CVrxPFrameHelper helper(pFrame);
    TracingBar bar;
    ASSERT_TRUE(bar.CreateWithDefaultStyle(pFrame, 0x50402808, 0xE830));
    {
        TracingWorkspace workspace{TRUE};
        workspace.ChooseRegistryBase("Settings");
        Trace().clear();
        ASSERT_TRUE(workspace.StoreAll(nullptr, &helper));
        EXPECT_EQ((std::vector<std::string>{"before save", "bar store", "write placement", "after save"}), Trace());

        Trace().clear();
        ASSERT_TRUE(workspace.RestoreAll(nullptr, &helper));
        // The restored bar takes its size (a layout); the stored dock state is
        // applied (a layout) before the placement; a bar whose resource items
        // changed has every bar refresh its images, and the frame is laid out
        // again.
        EXPECT_EQ((std::vector<std::string>{"before load", "bar restore", "layout", "bar changed", "layout",
                                            "apply placement", "bar images", "layout", "after load"}),
                  Trace());
    }
    bar.DestroyWindow();
    pFrame->DestroyWindow();
    delete pFrame;
}
} // namespace
