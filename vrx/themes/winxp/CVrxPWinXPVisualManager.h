#pragma once

// The Windows XP theme look: where the visual style has the element's theme
// class open, the element is drawn as that class's part and state, and the
// bar and button colours come from the theme; where it has not (visual
// styles off, a class the style lacks), each operation falls back to the XP
// look, or for a few to the base look. So one look serves a themed and an
// unthemed desktop, and a theme change needs only ReloadPalette.

#include "themes/xp/CVrxPVisualManagerXP.h"

class CVrxPWinXPVisualManager : public CVrxPVisualManagerXP
{
    DECLARE_DYNCREATE(CVrxPWinXPVisualManager)
public:
    // Theme colour properties.
    static constexpr int propertyBorderColor = 3801;
    static constexpr int propertyFillColor = 3802;
    static constexpr int propertyTextColor = 3803;
    static constexpr int propertyEdgeLightColor = 3804;
    static constexpr int propertyEdgeHighlightColor = 3805;
    static constexpr int propertyEdgeShadowColor = 3806;
    static constexpr int propertyEdgeDarkShadowColor = 3807;

    explicit CVrxPWinXPVisualManager(BOOL bTemporary = FALSE);

    // Tab windows of the 3-D styles are drawn with the tab theme; the host
    // sets it just before it selects this look.
    static BOOL themed3DTabs;

    void ReloadPalette() override;

    // Queries.
    BOOL HasWindowTheme() override;
    BOOL UsesFullWidthMenuHighlight() override;
    int QueryDockingCaptionExtraHeight() override;
    BOOL TracksHotTabAlways() override;
    CSize QueryButtonExtraSize() override;
    CSize QueryCaptionButtonExtraSize() override;
    BOOL PaintThemedButton(CDC* pDC, CRect rect, CWnd* pButton, int nIgnored) override;
    BOOL PaintThemedComboButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot) override;
    BOOL PaintThemedComboFrame(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot) override;
    BOOL UsesThemedCloseButton(CWnd* pButton) override;
    int QueryMenuOffset() override;
    BOOL ConnectsMenuToButton() override;

    // Bars, captions and frames.
    void PaintBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip, BOOL bNonClient = FALSE) override;
    void PaintBarBorder(CDC* pDC, CVrxPBaseControlBar* pBar, CRect& rect) override;
    void PaintBarGripper(CDC* pDC, CRect rect, BOOL bHorizontal, CVrxPBaseControlBar* pBar) override;
    void PaintSeparator(CDC* pDC, CVrxPBaseControlBar* pBar, CRect rect, BOOL bHorizontal) override;
    COLORREF PaintBarCaption(CDC* pDC, CVrxPDockingControlBar* pBar, BOOL bActive, CRect rectCaption,
                             CRect rectButtons) override;
    void PaintCaptionButton(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, BOOL bActive, BOOL bHorizontal,
                            BOOL bMaximized, BOOL bDisabled, int nGlyph = -1) override;
    void PaintMdiControlButton(CDC* pDC, CRect rect, UINT nCommand, UINT nStyle, BOOL bHighlighted) override;
    void PaintStatusPaneBorder(CDC* pDC, CVrxPStatusBar* pBar, CRect rect, int nPane, UINT nStyle) override;
    void PaintStatusProgress(CDC* pDC, CVrxPStatusBar* pBar, CRect rect, int nRange, int nPos, COLORREF colorFill,
                             COLORREF colorFillEnd, COLORREF colorText, BOOL bShowPercent) override;
    void PaintSizeGrip(CDC* pDC, CVrxPStatusBar* pBar, CRect rect) override;
    COLORREF PaintMiniFrameCaption(CDC* pDC, CRect rect, CVrxPMiniFrameWnd* pFrame, BOOL bActive) override;
    void PaintMiniFrameBorder(CDC* pDC, CVrxPMiniFrameWnd* pFrame, CRect rect, CRect rectBorderSize) override;
    void PaintFloatingToolbarBorder(CDC* pDC, CVrxPMiniFrameWnd* pFrame, CRect rect, CRect rectBorderSize) override;
    void PaintCaptionButtonGlyph(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, int nGlyph, BOOL bActive,
                                 BOOL bDisabled, CPoint location) override;

    // Buttons and menus.
    void PaintMenuFrame(CDC* pDC, CVrxPPopupMenu* pMenu, CRect rect) override;
    void PaintComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                              CVrxPToolbarComboBoxButton* pCombo) override;
    void PaintComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                          CVrxPToolbarComboBoxButton* pCombo) override;
    void PaintEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bHighlighted,
                         CVrxPToolbarEditBoxButton* pEdit) override;
    void PaintButtonFace(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState) override;
    void PaintButtonFrame(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState) override;
    void PaintMenuButtonFrame(CDC* pDC, CVrxPToolbarMenuButton* pButton, CRect rect, int nState,
                              BOOL bHorizontal) override;
    void PaintMenuItemHighlight(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, COLORREF* pText) override;
    COLORREF QueryMenuItemTextColor(CVrxPToolbarButton* pButton) override;
    void PaintRarelyUsedBand(CDC* pDC, CRect rect) override;
    COLORREF QueryButtonTextColor(CVrxPToolbarButton* pButton, int nState) override;
    void PaintPushButtonFace(CDC* pDC, CRect* pRect, BOOL bHighlighted, BOOL bPushed, COLORREF* pText) override;
    void PaintPushButtonFrame(CDC* pDC, CRect* pRect, BOOL bHighlighted, BOOL bPushed) override;
    COLORREF PaintCustomizeSelection(CDC* pDC, CRect rect, BOOL bSelected) override;
    void PaintButtonBackground(CDC* pDC, CRect rect, CWnd* pButton) override;
    void PaintButtonBorder(CDC* pDC, CRect rect, CWnd* pButton) override;

    // Tabs.
    void PaintTabAreaBackground(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd) override;
    void PaintTab(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd) override;
    void PaintTabScrollButtonFace(CDC* pDC, CRect rect, CWnd* pButton, CVrxPBaseTabWnd* pTabWnd) override;
    void PaintTabScrollButtonFrame(CDC* pDC, CRect* pRect, CWnd* pButton, UINT nState, int nIgnored) override;
    BOOL PaintTabAreaColorFill(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd) override;

    // Panes, header, calendar and small controls.
    void PaintHeaderItem(CVrxPHeaderCtrl* pHeader, CDC* pDC, CRect* pRect, BOOL bPressed, BOOL bHot) override;
    void PaintHeaderSortArrow(CVrxPHeaderCtrl* pHeader, CDC* pDC, CRect* pRect, BOOL bUp) override;
    void PaintTasksPaneBackground(CDC* pDC, CRect rect) override;
    void PaintTaskGroupCaption(CDC* pDC, CVrxPTasksGroup* pGroup, BOOL bHot, BOOL bPressed,
                               BOOL bWithButton) override;
    void PaintTaskGroupBackground(CDC* pDC, CRect rect, BOOL bSpecial) override;
    CPen* PaintTaskGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bClosedTop) override;
    void PaintTask(CDC* pDC, CVrxPTask* pTask, CImageList* pImages, BOOL bHot, int nIgnored) override;
    void PaintTasksPaneScrollButton(CDC* pDC, CRect* pRect, int nExtendUp, int nGlyph, BOOL bHot) override;
    void PaintPlusMinusBox(CDC* pDC, CRect rect, BOOL bExpanded, COLORREF colorFrame) override;
    void QueryCalendarPalette(CVrxPCalendarBar* pCalendar, CVrxPCalendarPalette* pPalette) override;
    void PaintCheckBox(CDC* pDC, CRect rect, int nState, BOOL bHighlighted, BOOL bPressed, BOOL bEnabled) override;
    BOOL PaintCalculatorButton(CDC* pDC, CRect rect, CWnd* pButton, int nState, int nKind,
                               CVrxPCalculator* pCalculator) override;
    BOOL PaintBrowseButton(CDC* pDC, CRect rect, CVrxPEditBrowseCtrl* pEdit, int nState, COLORREF* pText) override;
    void PaintSpinButton(CDC* pDC, CRect rect, UINT nStateFlags, BOOL bHorizontal,
                         CVrxPSpinButtonCtrl* pSpin) override;
    BOOL PaintToolItemFace(CDC* pDC, CRect rect, CVrxPToolBoxButton* pItem) override;
    BOOL PaintToolItemBorder(CDC* pDC, CRect* pRect, CVrxPToolBoxButton* pItem, int nIgnored) override;
    BOOL PaintGridHeaderItem(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect, BOOL bPressed) override;

    // Menus, the menu bar and popup-menu bars keep the XP look's drawing
    // while a theme is open.
    BOOL themeOfficeMenus;
    // Normal task groups' fill and text from the theme; -1 when it has none.
    COLORREF taskGroupBackColor;
    COLORREF taskGroupTextColor;

private:
    BOOL IsOpen(ThemeClass nClass) const { return GetThemeHandle(nClass) != NULL; }
    // 3-D tab windows (neither flat nor slanted) with the tab theme on.
    BOOL UsesTabTheme(const CVrxPBaseTabWnd* pTabWnd) const;
};
