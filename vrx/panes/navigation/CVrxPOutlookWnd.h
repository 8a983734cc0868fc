#pragma once

// The page window of an outlook bar: instead of tabs, one full-width page
// button per page, stacked, with the active page's window between them.
// In the classic look the buttons up to the active page sit at the top and
// the rest at the bottom; in the 2003 look a caption with the active page's
// label tops the page, and below it an 8-pixel splitter, a stack of as many
// page buttons as the user chose, and a row reserved for the page icons.

#include "panes/CVrxPBaseTabWnd.h"

class CVrxPOutlookBar;

class CVrxPOutlookWnd : public CVrxPBaseTabWnd
{
    DECLARE_DYNCREATE(CVrxPOutlookWnd)
public:
    // The customise menu's commands.
    static constexpr UINT idShowMoreButtons = 61952;
    static constexpr UINT idShowFewerButtons = 61953;
    static constexpr UINT idNavigationOptions = 61954;
    static constexpr int splitterHeight = 8;

    CVrxPOutlookWnd();

    BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The parent outlook bar, when the parent is one.
    CVrxPOutlookBar* OutlookBar() const;
    BOOL IsIn2003Mode() const;

    void RecalcTabHeight() override;
    void ArrangeTabs() override;
    BOOL ActivateTab(int nIndex) override;

    // The 2003 bottom stack.
    void GrowButtonStack();
    void ShrinkButtonStack();
    BOOL CanGrowButtonStack() const { return shownButtons < maxShownButtons; }
    BOOL CanShrinkButtonStack() const { return shownButtons > 0; }
    int ShownButtons() const { return shownButtons; }
    void SetShownButtons(int nCount) { shownButtons = nCount; }
    int MaxShownButtons() const { return maxShownButtons; }

    // The two page-button stacks (client coordinates): the buttons that
    // follow each other from the first page, and the rest.
    void GetTabAreaRects(CRect& rectUpper, CRect& rectLower) const;
    BOOL IsTabDetachable(int nIndex) const;
    // The row the page icons take in the 2003 look.
    int IconRowHeight() const;

    CRect pageRect;
    CRect captionRect;
    CRect splitterRect;
    CRect iconRowRect;
    int borderWidth = 0;
    // TA_LEFT, TA_RIGHT, else centred (classic look).
    int pageTextAlign = 6;
    int hotPage = -1;
    int pressedPage = -1;

protected:
    BOOL IsPtInTabArea(CPoint point) const override;
    void OnTabListChanged() override { shownButtons = -1; }
    void AdjustRenameEditRect(CRect& rect) override { rect.DeflateRect(1, 1); }

    void DrawPageButton(CDC& dc, int nIndex);
    CFont* PageFont() const;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnStackCommand(UINT nID);
    afx_msg void OnUpdateStackCommand(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    void RelayoutFromCommand();
    void EndSplitterDrag();

    int shownButtons = -1;
    int maxShownButtons = 0;
    BOOL splitterDrag = FALSE;
    BOOL layoutFromCommand = FALSE;
};
