#pragma once

// A push button with a drop-down arrow that opens a popup menu and tells
// its parent the command chosen: a WM_COMMAND with the button's own control
// id, after which the parent reads chosenCommand. A split button opens the
// menu only from its arrow part and is a plain button elsewhere.

#include "panes/CVrxPButton.h"

class CVrxPMenuButton : public CVrxPButton
{
    DECLARE_DYNAMIC(CVrxPMenuButton)
public:
    static constexpr int downArrowGlyph = 13;
    static constexpr int rightArrowGlyph = 14;
    // Added to the glyph cell's width to make the arrow part.
    static constexpr int arrowMargin = 10;

    CVrxPMenuButton();

    CSize MeasureContent(BOOL bCalcOnly = FALSE) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Shows the menu now.
    virtual void DropMenu();
    BOOL IsMenuOpen() const { return m_bMenuOpen; }
    // The arrow part of a rectangle of the button.
    static CRect ArrowArea(const CRect& rect);

    // The menu opens at the top-right corner and the arrow points right.
    BOOL menuOnRight;
    // Not owned.
    HMENU menu;
    // The command picked in the last menu; 0 for none.
    int chosenCommand;
    BOOL stayPressed;
    // Off: the library's popup through the context-menu manager when one
    // exists.
    BOOL systemTracking;
    BOOL split;

protected:
    void DrawContent(CDC* pDC, CRect rect, UINT nState) override;

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bMenuOpen;
    // The current press or key opened the menu: its release is no click.
    BOOL m_bOpenedByPress;
};
