#pragma once

// The strip along one side of a frame that holds the buttons of the panes
// hidden at that side. A click on a button slides its pane in over the
// frame's middle; a second click, or the mouse and the focus leaving the
// pane, hides it again.

#include "collections/CPtrList.h"
#include "windows/CWnd.h"

class CDC;
class CVrxPAutoHideButton;
class CVrxPDockingControlBar;

class CVrxPAutoHideDockBar : public CWnd
{
    DECLARE_DYNAMIC(CVrxPAutoHideDockBar)
public:
    static constexpr int buttonGap = 2;
    static constexpr int buttonPadding = 6;
    // How often an open pane checks whether it is still wanted.
    static constexpr UINT checkInterval = 300;

    CVrxPAutoHideDockBar();
    ~CVrxPAutoHideDockBar() override;

    // The strip's window along dwSide of the frame (one CBRS_ALIGN_* bit).
    BOOL Create(CWnd* pFrame, DWORD dwSide);
    DWORD GetSide() const { return m_dwSide; }
    // The strip's thickness across its side.
    int GetThickness() const;

    void AddPane(CVrxPDockingControlBar* pPane);
    BOOL RemovePane(CVrxPDockingControlBar* pPane);
    int GetButtonCount() const { return static_cast<int>(m_buttons.GetCount()); }
    CVrxPAutoHideButton* GetButton(int nIndex) const;
    // The button under a client point, or -1.
    int ButtonIndexAtPoint(CPoint point) const;
    void LayoutButtons();

    // The pane slides in over the frame's middle, next to the strip, or out.
    void ShowPane(CVrxPDockingControlBar* pPane, BOOL bShow);
    CVrxPDockingControlBar* GetShownPane() const { return m_pShown; }

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    static BOOL IsPartOfPane(HWND hWnd, CVrxPDockingControlBar* pPane);
    void RelayoutFrame();
    int TextHeight() const;

    DWORD m_dwSide;
    CPtrList m_buttons;
    CVrxPDockingControlBar* m_pShown;
};
