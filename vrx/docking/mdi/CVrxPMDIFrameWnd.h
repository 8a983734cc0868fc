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

class CVrxPMDIFrameWnd : public CMDIFrameWnd
{
    DECLARE_DYNAMIC(CVrxPMDIFrameWnd)
public:
    // The MDI tab options korvo passes: on, 1, 1, 1, 5, 0.
    struct MDITabsOptions
    {
        BOOL enabled = FALSE;
        int style = 0;
        BOOL tabsOnTop = FALSE;
        BOOL closeButton = FALSE;
        int tabLocation = 0;
        BOOL documentMenu = FALSE;
    };

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
    // The menu bar shows the menu (the default menu for NULL) and the
    // window keeps none; FALSE without a menu bar.
    virtual BOOL ApplyMenuToMenuBar(HMENU hMenu);

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
    void SetMDITabsOptions(BOOL bEnable, int nStyle, BOOL bTabsOnTop, BOOL bCloseButton, int nLocation,
                           BOOL bDocumentMenu);
    const MDITabsOptions& GetMDITabsOptions() const { return m_tabsOptions; }
    // The "Windows" dialog, modally.
    afx_msg void OnWindowsManager();
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
    MDITabsOptions m_tabsOptions;
    // Alt went down with no other key since: its release opens the menu
    // bar's keyboard mode.
    BOOL m_bAltAlone;
};
