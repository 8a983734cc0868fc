#pragma once

// The library's MDI main frame, in its first form: a framework MDI frame
// with the library's frame helper and bar manager. The bar manager lays out
// every bar of the frame, those that still size themselves (WM_SIZEPARENT:
// the menu bar, toolbars) along the frame's edges first, and the MDI client
// takes the rest. The menu bar shows the frame's menus in place of the
// window's menu; the workspace restores the frame's state after loading and
// stores it when the frame closes.

#include "docking/CVrxPFrameBarManager.h"
#include "docking/mdi/CVrxPFrameHelper.h"
#include "docking/mdi/CVrxPMainClientAreaWnd.h"
#include "frames/CMDIFrameWnd.h"
#include "strings/CRect.h"

class CDC;
class CVrxPMDIChildWnd;

class CVrxPMDIFrameWnd : public CMDIFrameWnd
{
    DECLARE_DYNAMIC(CVrxPMDIFrameWnd)
public:
    CVrxPMDIFrameWnd();

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The frame's own routing first; then the bar-list menu's items.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, HMENU hWindowMenu) override;
    // The bar manager lays out its dock sites and bars first; the bars of
    // the framework's own layout and then the MDI client share what is left.
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // Remembers the Window menu that the child list goes into.
    HMENU GetWindowMenuPopup(HMENU hMenuBar) override;
    // Places the MDI client and its tabs in what the bars leave.
    virtual void AdjustClientArea();
    // Asked first when the client area erases its background.
    virtual BOOL EraseClientArea(CDC*) { return FALSE; }
    // Told after the client area moved itself.
    virtual void OnClientAreaMoved(const CRect&, const CRect&) {}
    // The menu bar shows the menu (the default menu for NULL) and the
    // window keeps none; FALSE without a menu bar.
    virtual BOOL ApplyMenuToMenuBar(HMENU hMenu);
    // The menu bar shows the active child's icon and caption buttons while
    // that child is maximised; called whenever that may have changed.
    void UpdateMenuBarChildButtons();

    CVrxPFrameHelper& GetFrameHelper() { return m_helper; }
    CVrxPFrameBarManager& GetBarManager() { return m_barManager; }
    // The menu and accelerator resource the frame was loaded from (0: none).
    UINT GetDefaultMenuId() const { return m_helper.resourceId; }

    // The sides (CBRS_ALIGN_* bits, 0xF000 all four) bars may dock at.
    void AllowDockingSides(DWORD dwAlignment);
    DWORD GetAllowedDockingSides() const { return m_barManager.GetDockSides(); }
    // Sides where panes may hide; each requested side once.
    BOOL CreateAutoHideSites(DWORD dwAlignment);
    // Docks the bar at its default place: the side its own alignment style
    // names, when the frame allows that side. FALSE when it does not.
    BOOL PlaceBarDocked(CWnd* pBar);
    void EnableBarListMenu(BOOL bEnable, UINT nCustomizeCommand, LPCTSTR lpszCustomizeLabel, UINT nBarListItem,
                           BOOL bToolbarsOnlyInContextMenu = FALSE, BOOL bToolbarsOnlyInItem = FALSE);
    // The text is string resource nTextId.
    void AddWindowsManagerMenuItem(UINT nCommand, UINT nTextId, BOOL bShowAlways, BOOL bHelpButton);
    UINT GetWindowsManagerCommand() const { return m_nWindowsManagerCommand; }
    const CString& GetWindowsManagerText() const { return m_strWindowsManagerText; }
    // The other options keep their defaults.
    void SetMDITabsOptions(BOOL bEnable, BOOL bIcons, int nLocation, BOOL bCloseButton, int nStyle,
                           BOOL bOwnerTooltips);
    CVrxPMainClientAreaWnd& GetClientArea() { return m_clientArea; }
    // With a windows-manager command, the Window menu lists nine children
    // at most and then the command instead of the system's overflow entry.
    void ExtendWindowMenu();
    // The Window menu the MDI client was last given.
    void RememberWindowMenu(HMENU hWindowMenu) { m_hWindowMenu = hWindowMenu; }
    // The "Windows" dialog, modally.
    afx_msg void OnWindowsManager();
    // A window on a stored document of the saved tab arrangement; the
    // library's own opens none.
    virtual CVrxPMDIChildWnd* OpenDocumentWindow(LPCTSTR, CObject*) { return nullptr; }
    // A further window on the active child's document (Window New).
    virtual CVrxPMDIChildWnd* OpenAnotherWindow(LPCTSTR lpszDocument, CObject* pObject);
    BOOL SaveMDITabsState(LPCTSTR lpszProfileName) { return m_clientArea.SaveState(lpszProfileName, 0); }
    BOOL LoadMDITabsState(LPCTSTR lpszProfileName) { return m_clientArea.LoadState(lpszProfileName, 0); }
    // Lays out again after the look changed.
    void OnChangeVisualManager();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    CVrxPFrameHelper m_helper;
    CVrxPMainClientAreaWnd m_clientArea;
    CVrxPFrameBarManager m_barManager;
    UINT m_nViewMenuBarItem;
    BOOL m_bViewMenuToolbarsOnly;
    UINT m_nWindowsManagerCommand;
    CString m_strWindowsManagerText;
    BOOL m_bWindowsManagerShowAlways;
    BOOL m_bWindowsManagerHelp;
    HMENU m_hWindowMenu;
    // Alt went down with no other key since: its release opens the menu
    // bar's keyboard mode.
    BOOL m_bAltAlone;
};
