#pragma once

// The library's MDI child frame. It gives the MDI client area its tab label
// and icon, keeps its tab up to date when its text or icon changes, and,
// without a system menu, covers the MDI client exactly instead of being
// maximised (its caption and borders lie outside the client).

#include "frames/CMDIChildWnd.h"
#include "strings/CRect.h"

class CVrxPBaseTabWnd;
class CVrxPMDIFrameWnd;

class CVrxPMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CVrxPMDIChildWnd)
public:
    CVrxPMDIChildWnd();

    // A child without a system menu is shown maximised.
    void ActivateFrame(int nCmdShow = -1) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    // The window text.
    virtual void TabLabel(CString& label) const;
    // The small icon the window has, else its class's.
    virtual HICON TabIcon() const;
    virtual BOOL ShowsOnTab() const { return TRUE; }
    // The windows-manager dialog lists the child, and may save it.
    virtual BOOL ListedInWindowsDialog() const { return TRUE; }
    virtual BOOL UnsavableInWindowsDialog() const { return FALSE; }
    // The name the saved tab arrangement keeps: the active document's path.
    // A child may hand over a new object to keep with it (the caller
    // deletes it).
    virtual CString DocumentName(CObject** ppObject);

    // The client area sets these: the tab window that shows this child, and
    // that the child is being destroyed.
    CVrxPBaseTabWnd* TabWindow() const { return m_pTabWnd; }
    void SetTabWindow(CVrxPBaseTabWnd* pTabWnd) { m_pTabWnd = pTabWnd; }
    BOOL IsClosing() const { return m_bClosing; }
    void SetClosing(BOOL bClosing) { m_bClosing = bClosing; }
    // Where the child lay while it had a system menu (MDI client coordinates).
    const CRect& NormalRect() const { return m_rectNormal; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()

private:
    void CoverMDIClient();
    void OnSystemMenuChanged(DWORD dwOldStyle, DWORD dwNewStyle);
    void UpdateClientTabs(BOOL bEnsureVisible);

    CVrxPBaseTabWnd* m_pTabWnd;
    CVrxPMDIFrameWnd* m_pMDIFrame;
    BOOL m_bClosing;
    CRect m_rectNormal;
    BOOL m_bActive;
};
