#pragma once

// A toolbar whose whole client area is a tab strip: other bars, usually
// toolbars, are its tabs, and it sizes itself to the largest of them. Being
// a toolbar it docks, floats and is saved like one.

#include "toolbars/CVrxPToolBar.h"

class CVrxPTabWnd;

class CVrxPTabbedToolbar : public CVrxPToolBar
{
    DECLARE_SERIAL(CVrxPTabbedToolbar)
public:
    static constexpr UINT tabWindowId = 101;

    CVrxPTabbedToolbar();

    // A bar that may float (bar flag 0x1) gains a gripper.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, DWORD dwBarFlags);
    // The bar becomes a tab of the strip, without its gripper. FALSE before
    // the window exists.
    virtual BOOL AddBar(CVrxPBaseControlBar* pBar, BOOL bVisible, BOOL bActivate, BOOL bDetachable);
    virtual CVrxPTabWnd* TabWindow() const { return m_pTabWnd; }

    // The strip takes the largest tab's size, the toolbar and its floating
    // frame or owner frame follow.
    void SyncLayoutRect() override;
    CSize CalcBarSize(BOOL bStretch, BOOL bHorizontal) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcDestroy();
    afx_msg LRESULT OnChangeActiveTab(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    CVrxPTabWnd* m_pTabWnd;
};
