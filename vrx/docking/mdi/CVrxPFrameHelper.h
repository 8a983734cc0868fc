#pragma once

// The helper embedded in every library frame window: the list of library
// frames, the frame's placement, the hooks through which the workspace
// restores and stores the frame's state, the menu bar's takeover of the
// frame's menu, the menu keys, and user-defined and torn-off toolbars
// (frames/CVrxPFrameHelperUserToolbars.cpp).
//
// Torn-off bars are kept under the workspace section path +
// "ControlBars-TearOff-<n>" (n from 0 without gaps): "ID", "Name", "State"
// (the bar object), plus the bar's own toolbar state with that section and n.

#include "collections/CObList.h"
#include "collections/CPtrList.h"
#include "core/Platform.h"
#include "docking/frames/CVrxPFullScreenState.h"
#include "strings/CString.h"

class CDockState;
class CFrameWnd;
class CRuntimeClass;
class CVrxPFrameBarManager;
class CVrxPMenuBar;
class CVrxPToolBar;
class CWnd;

class CVrxPFrameHelper
{
public:
    static constexpr UINT noUserToolbarId = 0xFFFFFFFF;
    static constexpr const char tearOffSection[] = "ControlBars-TearOff";
    // WS_CHILD | WS_VISIBLE | CBRS_GRIPPER | CBRS_ALIGN_TOP |
    // CBRS_BORDER_BOTTOM | CBRS_HIDE_INPLACE.
    static constexpr DWORD userToolbarStyle = 0x50402808;
    // CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC.
    static constexpr DWORD userToolbarBarStyle = 0x34;

    explicit CVrxPFrameHelper(CFrameWnd* pFrame = nullptr);
    virtual ~CVrxPFrameHelper();
    CVrxPFrameHelper(const CVrxPFrameHelper&) = delete;
    CVrxPFrameHelper& operator=(const CVrxPFrameHelper&) = delete;

    // The library's frames in registration order (one entry per window).
    static void RegisterFrame(CWnd* pFrame);
    static void UnregisterFrame(CWnd* pFrame);
    static const CPtrList& AllFrames();

    // Hands the frame's normal position (screen coordinates), its placement
    // flags and its show command (maximised, else normal) to the workspace.
    void StoreFramePlacement();
    // The stored placement, when it fits a present monitor, becomes the
    // create structure's rectangle (the work area when it was maximised)
    // and the program's show command, unless the program was started
    // minimised or maximised.
    void ApplyStoredPlacement(CREATESTRUCT& cs);
    // The workspace restores the whole state for this frame.
    void RestoreStateAfterLoad();
    // The workspace saves the state, and the placement is stored.
    void OnFrameClosing();

    // The bar manager's docking layout under the profile and the frame's
    // resource id. Nothing without a bar manager (FALSE for the store).
    BOOL StoreDockingState(LPCTSTR lpszProfile);
    void RestoreDockingState(LPCTSTR lpszProfile);
    void ApplyDockingState(CDockState& state);

    // The menu bar shows the frame's menu, which the frame no longer does.
    void TakeOverFrameMenu(CVrxPMenuBar* pMenuBar);
    // A key with Alt alone may open a menu: TRUE when it did (or when the
    // frame is minimised, which swallows every key).
    BOOL HandleMenuKey(UINT vk);
    BOOL RouteMnemonicKey(UINT ch);

    // User toolbars take ids nFirstId to nLastId and are kept under the
    // profile (null: the workspace's section path). Nothing without a range.
    void PrepareUserToolbars(LPCTSTR lpszProfile, UINT nFirstId, UINT nLastId);
    BOOL IsUserToolbar(CWnd* pBar) const;
    // The smallest id of the range that no bar of the list has; 0 when the
    // range is full or not set.
    static UINT FindFreeUserToolbarId(UINT nFirstId, UINT nLastId, const CObList& bars);
    // A new floating user toolbar with the name, or null (a full range is
    // told to the user).
    CVrxPToolBar* CreateUserToolbar(LPCTSTR lpszName);
    // FALSE for a bar that is not a user toolbar; else it goes with its
    // stored state and its id is free again.
    BOOL DeleteUserToolbar(CVrxPToolBar* pBar);
    // Only user toolbars with a stored state come back.
    void RecreateUserToolbars();
    void StoreUserToolbars(BOOL bThisFrameOnly);
    void RememberTearOffBar(CVrxPToolBar* pBar);
    void ForgetTearOffBar(CVrxPToolBar* pBar);
    void RestoreTearOffBars();
    void StoreTearOffBars(BOOL bThisFrameOnly);

    UINT userToolbarFirstId;
    UINT userToolbarLastId;
    CObList userToolbars;
    CObList tearOffBars;
    CString userToolbarProfile;
    CVrxPMenuBar* menuBar;
    HMENU defaultMenu;
    CFrameWnd* frameWindow;
    CVrxPFrameBarManager* barManager;
    UINT resourceId;
    CRuntimeClass* userToolbarClass;
    // The menu item replaced by the list of bars, and whether it lists
    // toolbars only.
    UINT barListItem;
    BOOL barListToolbarsOnly;
    BOOL dockingStateEnabled;
    CVrxPFullScreenState fullScreen;

private:
    LPCTSTR UserToolbarProfile() const;
    CString TearOffSectionPath() const;
    // The bar belongs to this frame (when only this frame's count).
    BOOL IsOwnBar(CWnd* pBar, BOOL bThisFrameOnly) const;
    CVrxPToolBar* CreateBar(CRuntimeClass* pClass, UINT nID);
    static void DestroyBar(CVrxPToolBar* pBar);
    void DockRestoredBar(CVrxPToolBar* pBar);
};

// While set, docking skips its layout passes (the workspace sets it while
// toolbars restore themselves).
extern BOOL VrxPLoadingState;
// An in-place frame that takes the commands of the window's own top-level
// frame while it is active; null otherwise.
extern CFrameWnd* VrxPTopLevelFrameOverride;
