#pragma once

// The small frame a floating docking pane or a torn-off control bar lives
// in, in its first form: a tool window owned by the bar's frame, with the
// bar's caption as its title. A double click on its caption, or the
// window-position menu's Docking, docks the bar again; closing it hides the
// bar.

#include "frames/CMiniFrameWnd.h"

class CVrxPBaseControlBar;
class CVrxPControlBar;
class CVrxPDockingControlBar;

class CVrxPMiniFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CVrxPMiniFrameWnd)
public:
    CVrxPMiniFrameWnd();

    // The frame window and its pane at rectScreen. FALSE on failure (the
    // object has deleted itself then).
    BOOL CreateFor(CVrxPDockingControlBar* pPane, CWnd* pOwnerFrame, const CRect& rectScreen);
    // The hidden frame of a torn-off control bar, its client area at
    // rectScreen; the bar moves in itself. FALSE on failure (the object has
    // deleted itself then).
    BOOL CreateForBar(CVrxPControlBar* pBar, CWnd* pOwnerFrame, const CRect& rectScreen);
    // The pane that the floating frame hosts.
    virtual CVrxPDockingControlBar* HostedBar() const { return m_pPane; }
    CVrxPControlBar* HostedControlBar() const { return m_pBar; }
    BOOL HasHostedBar() const { return m_pPane != nullptr || m_pBar != nullptr; }
    // The frame's client area takes the hosted bar's computed size.
    void FitToHostedBar();
    // The frame's client area takes the size.
    void FitClientTo(CSize size);
    // The hosted pane or bar docks where it was docked last.
    void DockToRecentPlace();
    // The pane or bar leaves (it docks again): the frame goes.
    void ReleaseHostedBar();
    // The hosted pane or bar when the screen point lies in its window (and
    // it is visible, when asked).
    CVrxPBaseControlBar* HostedBarAtPoint(CPoint point, BOOL bVisibleOnly) const;
    // While the cursor rests, the frame's bar manager is asked again every
    // period whether the frame docks.
    void StartMoveNotifyTimer(UINT nPeriod);
    void StopMoveNotifyTimer();

    // The frame window that owns this floating frame.
    HWND ownerFrame;
    // Where a drop would put the hosted bar: 1 docked at a site, 2 joined
    // to a tab group, 0 floating on.
    int pendingDockMode = 0;

protected:
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClose();
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    // The owner frame's bar manager lists the floating frame.
    void RegisterWithOwner();

    CVrxPDockingControlBar* m_pPane;
    CVrxPControlBar* m_pBar = nullptr;
};
