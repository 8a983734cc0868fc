#pragma once

// A tabbed pane whose client area is one tab strip, each pane it holds
// being one tab. The tab style and side are shared by every tabbed pane;
// the host re-styles them all at once after a look change.

#include "docking/panes/CVrxPBaseTabbedBar.h"

#include <vector>

class CVrxPTabWnd;

class CVrxPTabbedControlBar : public CVrxPBaseTabbedBar
{
    DECLARE_DYNCREATE(CVrxPTabbedControlBar)
public:
    static constexpr UINT tabWindowId = 101;

    CVrxPTabbedControlBar();
    ~CVrxPTabbedControlBar() override;

    // The style (0 to 7) and side of every tabbed pane's tab strip.
    static int SharedTabStyle;
    static BOOL SharedTabsAtTop;
    // Every tabbed pane created and not yet destroyed, in creation order.
    static const std::vector<HWND>& LiveBars();
    // Every live tabbed pane takes the current look's border size and frame
    // edges, the shared style, and the built-in palette with automatic
    // colours off.
    static void ApplyTabSettingsToAll();

    CVrxPTabWnd* TabWindow() const { return m_pTabWnd; }
    // The pane shows the window as a new tab.
    void AddTab(CWnd* pWnd, LPCTSTR lpszLabel);
    // The close button: the frame may take it ("VrxM_ON_PRESS_CLOSE_BUTTON");
    // else the active tab hides, and with it the pane when it was the only
    // one shown.
    virtual void HandleCloseButton();
    BOOL HasTabsAtBottom() const;

    int GetTabCount() const override;
    CWnd* GetTabBar(int nIndex) const override;
    CWnd* GetTabWindow() const override;
    CVrxPDockingControlBar* TabBarAtPoint(CPoint point) const override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    // The group's caption names the tab it shows; a caption is no standard
    // frame, so setting the text does not redraw it.
    afx_msg LRESULT OnChangeActiveTab(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    BOOL InsertTab(CWnd* pWnd, LPCTSTR lpszLabel, BOOL bVisible, BOOL bActivate, BOOL bDetachable) override;
    BOOL RemoveTab(CWnd* pWnd) override;

private:
    CVrxPTabWnd* m_pTabWnd;
};
