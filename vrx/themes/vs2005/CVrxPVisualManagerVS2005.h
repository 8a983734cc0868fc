#pragma once

// korvo's default look: the 2003 look's gradient bars and menus, retinted by
// the theme's colour scheme, with flat docking-pane captions and caption
// buttons, bar-coloured tab strips and auto-hide buttons drawn as outlines.
// It also shows the window-position menu button on pane captions and docks
// with the smart-docking markers.

#include "themes/2003/CVrxPVisualManager2003.h"

class CVrxPVisualManagerVS2005 : public CVrxPVisualManager2003
{
    DECLARE_DYNCREATE(CVrxPVisualManagerVS2005)
public:
    explicit CVrxPVisualManagerVS2005(BOOL bTemporary = FALSE);
    ~CVrxPVisualManagerVS2005() override;

    void ReloadPalette() override;
    COLORREF PaintBarCaption(CDC* pDC, CVrxPDockingControlBar* pBar, BOOL bActive, CRect rectCaption,
                             CRect rectButtons) override;
    void PaintCaptionButton(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, BOOL bActive, BOOL bHorizontal,
                            BOOL bMaximized, BOOL bDisabled, int nGlyph = -1) override;
    void PaintTabAreaBackground(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd) override;
    void PaintTab(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd) override;
    void QueryTabColors(CVrxPBaseTabWnd* pTabWnd, COLORREF* pShadow, COLORREF* pText, COLORREF* pHighlight,
                        COLORREF* pFace, COLORREF* pDarkShadow, COLORREF* pLight, CBrush** ppFaceBrush,
                        CBrush** ppDarkShadowBrush) override;
    int QueryMdiTabsStyle() override;
    int QueryDockingTabsStyle() override;
    void PaintTasksPaneBorder(CDC* pDC, CRect* pRect) override;
    COLORREF QueryControlBackColor(CWnd* pControl) override;
    BOOL DrawsAutoHideButtonsAsTabs() override;
    void PaintAutoHideButtonFace(CDC* pDC, CRect rect, CVrxPAutoHideButton* pButton) override;
    void PaintAutoHideButtonFrame(CDC* pDC, CRect rect, CRect rectBorderWidths,
                                  CVrxPAutoHideButton* pButton) override;
    void PaintBrushFill(CDC* pDC, CRect rect, CBrush* pBrush, CVrxPToolbarButton* pButton) override;

    // The outline of an auto-hide button on its docking side (a CBRS_ALIGN_*
    // bit): six points, or the rounded staircase.
    static std::vector<POINT> AutoHideOutline(CRect rect, DWORD dwSide, BOOL bRounded);

    // Rounded auto-hide buttons; nothing in korvo turns it on.
    static BOOL roundedAutoHideButtons;

    // -1 when the theme gives none.
    COLORREF captionBorderColor;
    CPen captionBorderPen;
    CBrush openMenuBrush;
    CBrush checkedItemBrush;
    int vs2005Scheme;

private:
    void ComputeRichRetint(COLORREF& colorOpenMenu, COLORREF& colorCheckedItem);
};
