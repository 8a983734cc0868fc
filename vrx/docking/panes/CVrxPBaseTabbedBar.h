#pragma once

// A docking pane that holds other docking panes as the tabs of a tab
// window: the group that forms when a pane is dropped on another pane's
// caption. It docks and floats like any pane; its panes hide their own
// captions while they are tabs. The tab window itself belongs to the
// derived class, which answers the tab operations below.

#include "docking/CVrxPDockingControlBar.h"

class CVrxPBaseTabbedBar : public CVrxPDockingControlBar
{
    DECLARE_DYNAMIC(CVrxPBaseTabbedBar)
public:
    explicit CVrxPBaseTabbedBar(BOOL bAutoDestroy = FALSE);

    virtual int GetTabCount() const = 0;
    // The window of the tab at nIndex, null out of range.
    virtual CWnd* GetTabBar(int nIndex) const = 0;
    // The window the tabs' panes are children of.
    virtual CWnd* GetTabWindow() const = 0;
    virtual BOOL DestroysWhenEmpty() const { return TRUE; }

    // The pane becomes the last tab: it leaves its site, hides its caption
    // and moves into the tab window. A tabbed bar's tabs move here one by
    // one and the emptied donor goes.
    virtual BOOL AddBarAsTab(CVrxPDockingControlBar* pBar, BOOL bVisible, BOOL bActivate, BOOL bDetachable);
    // The pane's tab goes (the window stays). FALSE when it is no tab, or
    // when it was the last one and the bar is going.
    virtual BOOL RemoveTabOf(CVrxPDockingControlBar* pBar);
    // The pane leaves the group and floats at rectScreen with its caption
    // again; the group goes when it was the last tab.
    virtual BOOL DetachTabBar(CVrxPDockingControlBar* pBar, const CRect& rectScreen);
    // The pane whose tab holds the point (screen), or null.
    virtual CVrxPDockingControlBar* TabBarAtPoint(CPoint point) const = 0;

    BOOL IsAutoDestroy() const { return m_bAutoDestroy; }
    void SetAutoDestroy(BOOL bAutoDestroy) { m_bAutoDestroy = bAutoDestroy; }

protected:
    // The tab window's part: a new last tab for the window, labelled; the
    // tab of the window removed, the window kept.
    virtual BOOL InsertTab(CWnd* pWnd, LPCTSTR lpszLabel, BOOL bVisible, BOOL bActivate, BOOL bDetachable) = 0;
    virtual BOOL RemoveTab(CWnd* pWnd) = 0;

    void PostNcDestroy() override;

private:
    void CloseEmptyBar();

    BOOL m_bAutoDestroy;
};
