#pragma once

// The 2007 look: the 2003 look whose colours, fonts and bitmap parts come
// from a style markup resource ("STYLE_XML" 18000) and its strips. Without
// one, or on a screen that cannot show it, it stays the 2003 look with
// thinner menu borders. With one it draws bar backgrounds, menus, toolbar
// buttons, edits and combos from the style; captions, panes and the frame
// are still drawn as the 2003 look draws them.

#include <map>

#include "foundation/CVrxPToolTipOptions.h"
#include "gdi/CBrush.h"
#include "gdi/CFont.h"
#include "gdi/CPen.h"
#include "themes/2003/CVrxPVisualManager2003.h"
#include "themes/2007/CVrxPControlRenderer.h"

class CVrxPStyleReader;

class CVrxPVisualManager2007 : public CVrxPVisualManager2003
{
    DECLARE_DYNCREATE(CVrxPVisualManager2007)
public:
    static constexpr UINT styleResourceId = 18000;
    static constexpr LPCTSTR styleResourceType = "STYLE_XML";
    static constexpr int styleVersion = 2007;
    static constexpr UINT frameBorderBitmap = 18004;
    static constexpr UINT captionBorderBitmap = 18005;
    static constexpr COLORREF noColor = 0xFF000000;

    explicit CVrxPVisualManager2007(BOOL bTemporary = FALSE);
    ~CVrxPVisualManager2007() override;

    void ReloadPalette() override;
    // Back to the unloaded state: every style resource released.
    virtual void ReleaseStyleResources();

    // More than 8 bits per pixel, no high contrast, and a style loaded.
    BOOL IsStyleInForce() const;
    BOOL IsStyleLoaded() const { return m_bStyleLoaded; }
    int GetStyleType() const { return m_nStyleType; }
    // A frame never announced counts as active; no frame is never active.
    BOOL IsFrameActive(CWnd* pFrame) const;

    // Bars and menus.
    void PaintBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip, BOOL bNonClient = FALSE) override;
    void PaintMenuFrame(CDC* pDC, CVrxPPopupMenu* pMenu, CRect rect) override;
    void PaintBarGripper(CDC* pDC, CRect rect, BOOL bHorizontal, CVrxPBaseControlBar* pBar) override;
    void PaintSeparator(CDC* pDC, CVrxPBaseControlBar* pBar, CRect rect, BOOL bHorizontal) override;
    COLORREF PaintMenuTitle(CDC* pDC, CRect rect) override;
    void PaintTearOffCaption(CDC* pDC, CRect rect, BOOL bHighlighted) override;
    void PaintRarelyUsedBand(CDC* pDC, CRect rect) override;
    void PaintMenuItemHighlight(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, COLORREF* pText) override;
    COLORREF QueryMenuItemTextColor(CVrxPToolbarButton* pButton) override;
    COLORREF QueryHighlightedMenuTextColor(CVrxPPopupMenuBar* pBar, CVrxPToolbarButton* pItem,
                                           BOOL bDisabled) override;
    void PaintMenuCheckMark(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, BOOL bHighlighted,
                            BOOL bRadio) override;
    void PaintSplitMenuSeparator(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, BOOL bHighlighted,
                                 BOOL bIgnored) override;
    void PaintMenuResizeGripper(CDC* pDC, CRect rect, BOOL bWidthToo) override;
    // The state: 2 pressed, else idle.
    int QueryShowAllButtonHeight(int nIgnored1, int nIgnored2) override;
    void PaintShowAllButton(CDC* pDC, CRect rect, int nState) override;
    COLORREF QueryStatusPaneTextColor(CVrxPStatusBar* pBar, const CVrxPStatusPaneInfo* pPane) override;
    void PaintSizeGrip(CDC* pDC, CVrxPStatusBar* pBar, CRect rect) override;
    COLORREF QueryDisabledTextColor() override;
    BOOL TracksHotTabAlways() override;
    COLORREF QueryTabTextColor(CVrxPBaseTabWnd* pTabWnd, int nIndex, BOOL bActive) override;

    // Buttons, edits and combos.
    void PaintButtonFace(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState) override;
    void PaintButtonFrame(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState) override;
    COLORREF QueryButtonTextColor(CVrxPToolbarButton* pButton, int nState) override;
    void PaintBrushFill(CDC* pDC, CRect rect, CBrush* pBrush, CVrxPToolbarButton* pButton) override;
    void PaintComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                              CVrxPToolbarComboBoxButton* pCombo) override;
    void PaintComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                          CVrxPToolbarComboBoxButton* pCombo) override;
    void PaintEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bHighlighted,
                         CVrxPToolbarEditBoxButton* pEdit) override;

    // Two 1-pixel lines side by side through the rectangle's middle, the
    // first pen's above or left of the second's.
    static void PaintTwoPenLine(CDC* pDC, CRect rect, CPen* pFirst, CPen* pSecond, BOOL bHorizontal);
    // A 1-pixel frame in one colour.
    static void PaintThinFrame(CDC* pDC, const CRect& rect, COLORREF color);

protected:
    BOOL m_bStyleLoaded = FALSE;
    CFont m_fntCaption;
    COLORREF m_clrCaptionActiveStart = noColor;
    COLORREF m_clrCaptionActiveFinish = noColor;
    COLORREF m_clrCaptionInactiveStart = noColor;
    COLORREF m_clrCaptionInactiveFinish = noColor;
    COLORREF m_clrCaptionActiveText = noColor;
    COLORREF m_clrCaptionInactiveText = noColor;
    COLORREF m_clrCaptionActiveTitleText = noColor;
    COLORREF m_clrCaptionInactiveTitleText = noColor;
    BOOL m_bCaptionTextCenter = FALSE;
    SIZE m_szCaptionButton = {};
    SIZE m_szCaptionButtonSmall = {};
    COLORREF m_clrMainClientArea = noColor;
    CBrush m_brMainClientArea;
    CVrxPControlRenderer m_rndFrameBorder;
    CVrxPControlRenderer m_rndCaptionBorder;
    int m_nStyleType = 2;
    CVrxPToolTipOptions m_toolTipOptions;
    BOOL m_bToolTipOptionsLoaded = FALSE;
    std::map<HWND, BOOL> m_mapFrameActive;

    COLORREF m_clrMenuBarGradientLight = noColor;
    COLORREF m_clrMenuBarGradientDark = noColor;
    COLORREF m_clrMenuBarGradientVertLight = noColor;
    COLORREF m_clrMenuBarGradientVertDark = noColor;
    COLORREF m_clrMenuBarTextNormal = noColor;
    COLORREF m_clrMenuBarTextHighlighted = noColor;
    COLORREF m_clrMenuBarTextDisabled = noColor;
    COLORREF m_clrToolbarTextNormal = noColor;
    COLORREF m_clrToolbarTextHighlighted = noColor;
    COLORREF m_clrToolbarTextDisabled = noColor;
    COLORREF m_clrMenuTextNormal = noColor;
    COLORREF m_clrMenuTextHighlighted = noColor;
    COLORREF m_clrMenuTextDisabled = noColor;
    COLORREF m_clrStatusTextNormal = noColor;
    COLORREF m_clrStatusTextDisabled = noColor;
    COLORREF m_clrStatusTextExtendedDisabled = noColor;
    COLORREF m_clrEditBorderNormal = noColor;
    COLORREF m_clrEditBorderDisabled = noColor;
    COLORREF m_clrEditBorderHighlighted = noColor;
    COLORREF m_clrEditSelection = noColor;
    COLORREF m_clrComboBorderNormal = noColor;
    COLORREF m_clrComboBorderDisabled = noColor;
    COLORREF m_clrComboBorderPressed = noColor;
    COLORREF m_clrComboBorderHighlighted = noColor;
    COLORREF m_clrComboButtonGradientStartNormal = noColor;
    COLORREF m_clrComboButtonGradientFinishNormal = noColor;
    COLORREF m_clrComboButtonBorderNormal = noColor;
    COLORREF m_clrComboButtonGradientStartDisabled = noColor;
    COLORREF m_clrComboButtonGradientFinishDisabled = noColor;
    COLORREF m_clrComboButtonBorderDisabled = static_cast<COLORREF>(-1);
    COLORREF m_clrComboButtonGradientStartPressed = noColor;
    COLORREF m_clrComboButtonGradientFinishPressed = noColor;
    COLORREF m_clrComboButtonBorderPressed = noColor;
    COLORREF m_clrComboButtonGradientStartHighlighted = noColor;
    COLORREF m_clrComboButtonGradientFinishHighlighted = noColor;
    COLORREF m_clrComboButtonBorderHighlighted = noColor;
    COLORREF m_clrComboSelection = noColor;
    CVrxPControlRenderer m_rndComboButtonImage;
    COLORREF m_clrMenuSeparator1 = noColor;
    COLORREF m_clrMenuSeparator2 = noColor;
    CPen m_penMenuSeparator2;
    CPen m_penToolbarBottomLineLight;
    COLORREF m_clrCaptionBarText = noColor;
    CVrxPToolbarImageList m_imgToolbarGripper;
    CVrxPToolbarImageList m_imgToolbarTear;
    CVrxPControlRenderer m_rndToolbarBorder;
    CVrxPControlRenderer m_rndStatusBack;
    CVrxPControlRenderer m_rndStatusBackExt;
    CVrxPToolbarImageList m_imgStatusPaneBorder;
    CVrxPToolbarImageList m_imgStatusSizeBox;
    CVrxPControlRenderer m_rndPopupBorder;
    CVrxPControlRenderer m_rndPopupResizeBarBack;
    CVrxPToolbarImageList m_imgPopupResizeIconHV;
    CVrxPToolbarImageList m_imgPopupResizeIconV;
    CVrxPControlRenderer m_rndMenuBarButton;
    CVrxPControlRenderer m_rndMenuItemBack;
    CVrxPToolbarImageList m_imgMenuItemCheck;
    CVrxPToolbarImageList m_imgMenuItemRadio;
    CVrxPControlRenderer m_rndMenuItemShowAll;
    CVrxPControlRenderer m_rndMenuHighlighted[2];
    CVrxPControlRenderer m_rndMenuButtonBorder;
    CVrxPControlRenderer m_rndToolbarButton;
    COLORREF m_clrTabTextActive = noColor;
    COLORREF m_clrTabTextInactive = noColor;

private:
    void ReadGlobals(CVrxPStyleReader& style);
    void ReadMainWindow(CVrxPStyleReader& style);
    void ReadMenu(CVrxPStyleReader& style);
    void ReadBars(CVrxPStyleReader& style);
    void ReadToolbar(CVrxPStyleReader& bars);
    void ReadMenuBar(CVrxPStyleReader& bars);
    void ReadPopupAndStatusBars(CVrxPStyleReader& bars);
    void ReadEdit(CVrxPStyleReader& style);
    void ReadCombo(CVrxPStyleReader& style);
    void ReadTabs(CVrxPStyleReader& style);
    // The image column of a popup menu: images, margins and a pixel each side.
    int MenuImageColumnWidth();
};
