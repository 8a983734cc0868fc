#pragma once

// The second base of the application class: the anchor of the library's saved
// user-interface state. It holds the registry base section everything is
// stored under, creates and owns the library's manager singletons, restores
// and stores the whole state in one fixed order, and answers serialisers the
// version of the stored state.
//
// Registry, under P = "SOFTWARE\<registry key>\<application>\<base>\":
//   P\VrxControlBarVersion  "Major" 9, "Minor" 40 (REG_DWORD)
//   P\WindowPlacement       "MainWindowRect" (rectangle value), "Flags",
//                           "ShowCmd" (REG_DWORD; maximised 3, else 1)
//   P and its sections      the managers' values, and numbers of the
//                           application's own (FetchInt, StoreInt)
//   <base>\ControlBars      the frame's dock state, a profile section of
//                           the application (CDockState)

#include "core/Platform.h"
#include "strings/CPoint.h"
#include "strings/CRect.h"
#include "strings/CString.h"

class CVrxPContextMenuManager;
class CVrxPFrameHelper;
class CVrxPKeyboardManager;
class CVrxPPopupMenu;
class CFrameWnd;
class CVrxPToolBar;
class CVrxPToolTipFactory;
class CWnd;

class CVrxPWorkspace
{
public:
    static constexpr int storedMajorVersion = 9;
    static constexpr int storedMinorVersion = 40;
    static constexpr const char defaultRegistryBase[] = "VrxWorkspace";

    // Starts the library (VrxPStartLibrary): the application object is built
    // among the host's statics, so the library's state comes right after it.
    explicit CVrxPWorkspace(BOOL bResourceUpdate = FALSE);
    virtual ~CVrxPWorkspace();
    CVrxPWorkspace(const CVrxPWorkspace&) = delete;
    CVrxPWorkspace& operator=(const CVrxPWorkspace&) = delete;

    // lpszBase given: it becomes the registry base. Returns TRUE.
    virtual BOOL RestoreAll(LPCTSTR lpszBase, CVrxPFrameHelper* pHelper);
    // Deletes the whole base key.
    virtual BOOL ResetState(LPCTSTR lpszBase);
    // FALSE at once when saving is disabled.
    virtual BOOL StoreAll(LPCTSTR lpszBase, CVrxPFrameHelper* pHelper);
    // Runs the command bound to a double click in the view (nothing bound:
    // a beep and FALSE).
    virtual BOOL RunViewCommand(CWnd* pView, int nViewId);
    // The registered context menu at the point (screen), its command for
    // the owner; FALSE without a context-menu manager.
    virtual BOOL ShowContextMenu(UINT nMenuId, CPoint point, CWnd* pOwner);
    virtual void ShowHelpContextMenu(CWnd* pWnd, DWORD_PTR dwData);
    // Asked before a tracked popup's own loop runs; TRUE: the application
    // handled the popup.
    virtual BOOL OverridePopupLoop(CVrxPPopupMenu* pPopup);
    virtual BOOL SaveOnFrameClose(CVrxPFrameHelper* pHelper);
    virtual void BeforeLoadState();
    virtual void AfterLoadState();
    virtual void BeforeSaveState();
    virtual void AfterSaveState();
    // TRUE only when all three values were read.
    virtual BOOL ReadPlacement(CRect& rect, UINT& nFlags, UINT& nShowCmd);
    virtual BOOL WritePlacement(const CRect& rect, UINT nFlags, UINT nShowCmd);
    // The stored placement, normal position given in screen coordinates.
    virtual BOOL ApplyPlacement(CWnd* pFrame);

    // lpszName NULL: empty.
    LPCTSTR ChooseRegistryBase(LPCTSTR lpszName);
    LPCTSTR GetRegistryBase() const { return m_strRegistryBase; }
    // P, plus the sub-section and a backslash when one is given.
    CString BuildSectionPath(LPCTSTR lpszSection = nullptr) const;
    // The application profile section of the framework's dock state: the
    // registry base followed by "\ControlBars".
    CString DockStateProfile() const;

    int FetchInt(LPCTSTR lpszName, int nDefault);
    BOOL StoreInt(LPCTSTR lpszName, int nValue);
    int FetchSectionInt(LPCTSTR lpszSection, LPCTSTR lpszName, int nDefault);
    BOOL StoreSectionInt(LPCTSTR lpszSection, LPCTSTR lpszName, int nValue);

    // (major << 16) + the minor's decimal digits in the next two nibbles
    // (40 gives 0x0400, 5 gives 0x0500); -1 before a version was read.
    int PackedStateVersion() const;

    // FALSE when the singleton exists already.
    BOOL CreateToolTipFactory();
    BOOL CreateContextMenuManager();
    BOOL CreateKeyboardManager();
    CVrxPToolTipFactory* AcquireToolTipFactory();
    CVrxPContextMenuManager* AcquireContextMenuManager();

    BOOL recreateUserToolbars;
    BOOL thisFrameOnly;
    BOOL savingEnabled;
    // Saved toolbars and menus are compared with their current resources.
    BOOL resourceUpdate;
    BOOL refreshToolbars;
    BOOL applyPlacement;
    int storedMajor;
    int storedMinor;

private:
    // A toolbar with a window, of this workspace's frame when only that
    // frame's bars count.
    BOOL TakesPartInState(CVrxPToolBar* pBar, CFrameWnd* pFrame) const;
    // TRUE when a toolbar found its resource items changed.
    BOOL RestoreToolbars(const CString& path, CFrameWnd* pFrame);
    void StoreToolbars(const CString& path, CFrameWnd* pFrame);

    CString m_strRegistryBase;
    BOOL m_bKeyboardManagerCreatedHere;
    BOOL m_bContextMenuManagerCreatedHere;
    BOOL m_bToolTipFactoryCreatedHere;
};

// The workspace, or NULL.
CVrxPWorkspace* VrxPWorkspaceInstance();
