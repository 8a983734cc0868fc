#pragma once

// The library's MDI client area: the system's MDI client window, subclassed
// by the MDI frame. Besides plain MDI it shows the children as MDI tabs: one
// tab window, a sibling of the client in the frame, with a tab per child;
// children without a system menu are stretched so that their client areas
// cover the client exactly, their captions and borders outside it. A menu
// the MDI machinery gives the frame goes to the frame's menu bar.

#include "docking/mdi/CVrxPMDITabOptions.h"
#include "docking/mdi/CVrxPMDITabsState.h"
#include "gdi/CImageList.h"
#include "panes/CVrxPTabWnd.h"
#include "windows/CWnd.h"

#include <map>
#include <vector>

class CVrxPMDIChildWnd;
class CVrxPMDIFrameWnd;

class CVrxPMainClientAreaWnd : public CWnd
{
    DECLARE_DYNAMIC(CVrxPMainClientAreaWnd)
public:
    CVrxPMainClientAreaWnd();

    void PreSubclassWindow() override;
    // Places the MDI tabs and the client in the rectangle (frame client
    // coordinates), then stretches the tabbed children over the client.
    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder) override;
    // Null makes a new one; null when the window cannot be made.
    virtual CVrxPTabWnd* CreateTabWindow(CVrxPTabWnd* pTabWnd);

    void EnableMDITabs(BOOL bEnable, const CVrxPMDITabOptions& options);
    // Brings the tabs in step with the children.
    void UpdateTabs(BOOL bEnsureVisible);
    void ActivateChild(HWND hChild);
    void ApplyTabOptions(CVrxPTabWnd* pTabWnd);
    // Puts the windows of the tabs over the tab window's content area.
    void PlaceTabbedChildren(CVrxPTabWnd* pTabWnd);
    // Only plain MDI with an active child that has a system menu shows the
    // client's sunken edge.
    BOOL NeedsClientEdge() const;
    // Moves a child so that its client area covers the rectangle (MDI
    // client coordinates), its caption and borders outside it.
    static void CoverClientArea(CWnd* pChild, const CRect& rect, UINT nFlags);

    BOOL AreMDITabsOn() const { return m_mdiTabsOn; }
    BOOL AreTabsShown() const { return m_tabsShown; }
    CVrxPTabWnd& MainTabs() { return m_mainTabs; }
    const CVrxPMDITabOptions& Options() const { return m_options; }
    // While a saved arrangement loads nothing is laid out or activated.
    void SetRestoring(BOOL bRestoring) { m_restoring = bRestoring; }

    // The children's arrangement as "MDITabsState" under the profile's
    // "MDIClientArea-<id>" key. Loading reopens the documents through the
    // frame; nothing is closed unless the whole stored value reads soundly.
    BOOL SaveState(LPCTSTR lpszProfileName, int nId);
    BOOL LoadState(LPCTSTR lpszProfileName, int nId);
    // WM_CLOSE to every MDI child frame, all found first.
    void CloseAllChildren();

    // Posted to have the tabs updated once the current message is done.
    static const UINT updateTabsMessage = WM_USER + 0x65;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CVrxPMDIFrameWnd* MDIFrame() const;
    LRESULT OnMDINext(HWND hChild, BOOL bPrevious);
    LRESULT OnMDIDestroy(HWND hChild);
    BOOL OnEraseBackground(HDC hDC);
    int ImageOfIcon(HICON hIcon);
    void ForgetImages();
    void StretchTabbedChildren();
    void KeepMinimisedAtBottom(int nHeightChange);
    CVrxPMDITabsState CurrentState();
    void ApplyState(CVrxPMDITabsState& state);
    // A name met before, or any name of plain windows (bFirstByName FALSE),
    // gets another window on the open document.
    CVrxPMDIChildWnd* OpenStoredDocument(CVrxPMDITabsState::Document& document, int nPaneId,
                                         std::vector<CString>& opened, BOOL bFirstByName);

    CVrxPTabWnd m_mainTabs;
    BOOL m_tabsShown;
    BOOL m_mdiTabsOn;
    CImageList m_singleImages;
    std::map<HICON, int> m_singleIconIndex;
    CVrxPMDITabOptions m_options;
    BOOL m_restoring;
};
