#pragma once

// The library's docking pane, in its first form: docked at the bottom of its
// frame under a caption strip, resized by dragging the strip's top edge.
// The frame's bar layout (WM_SIZEPARENT) gives it its place; its client area
// lies below the caption, for the window it holds.

#include "docking/VrxPBarStyles.h"
#include "strings/CString.h"
#include "windows/CWnd.h"

class CVrxPDockingControlBar : public CWnd
{
    DECLARE_DYNAMIC(CVrxPDockingControlBar)
public:
    static constexpr int minimumHeight = 40;

    CVrxPDockingControlBar();

    // The pane's window, sizeDefault.cy high while docked at the bottom.
    // Nonzero on success.
    virtual BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                        DWORD dwStyle, DWORD dwTabbedStyle, DWORD dwPaneFlags);

    DWORD GetBarStyle() const { return m_dwBarStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwBarStyle = dwStyle; }
    // The sides the pane may dock at (CBRS_ALIGN_* bits).
    void EnableDocking(DWORD dwAlignment) { m_dwDockingSides = dwAlignment & CBRS_ALIGN_ANY; }
    DWORD GetEnabledDockingSides() const { return m_dwDockingSides; }
    BOOL IsDocked() const { return m_bDocked; }
    void SetDocked(BOOL bDocked) { m_bDocked = bDocked; }
    int GetHeight() const { return m_nHeight; }
    // Keeps at least minimumHeight; the frame lays out again.
    void SetHeight(int nHeight);

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    int CaptionHeight() const;
    void RelayoutFrame();

    CString m_strCaption;
    DWORD m_dwBarStyle;
    DWORD m_dwDockingSides;
    BOOL m_bDocked;
    int m_nHeight;
    // Screen y where a resize drag started, and the height then; -1 idle.
    int m_nDragStartY;
    int m_nDragStartHeight;
};
