#pragma once

// The XP look: light menus with a tinted image column, toolbars filled with a
// colour between the button face and the window colour, hot and pressed
// buttons filled with a tint of the selection colour inside a one-pixel
// frame, pattern grippers, drop shades under menus and under the button
// whose menu is open, and a popup menu that joins the button that opened it.
// Every tint is computed by ReloadPalette from the global colours; fills with
// a tint go through PaintBrushFill so a derived look can turn them into
// gradients in one place.

#include "gdi/CPen.h"
#include "themes/CVrxPVisualManager.h"

class CVrxPVisualManagerXP : public CVrxPVisualManager
{
    DECLARE_DYNCREATE(CVrxPVisualManagerXP)
public:
    explicit CVrxPVisualManagerXP(BOOL bTemporary = FALSE);
    ~CVrxPVisualManagerXP() override;

    static constexpr int defaultMenuImageWidth = 16;

    void ReloadPalette() override;

    // Bars.
    void PaintBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip, BOOL bNonClient = FALSE) override;
    void PaintBarBorder(CDC* pDC, CVrxPBaseControlBar* pBar, CRect& rect) override;
    void PaintBarGripper(CDC* pDC, CRect rect, BOOL bHorizontal, CVrxPBaseControlBar* pBar) override;
    void PaintSeparator(CDC* pDC, CVrxPBaseControlBar* pBar, CRect rect, BOOL bHorizontal) override;
    COLORREF PaintMenuTitle(CDC* pDC, CRect rect) override;
    void PaintFloatingToolbarBorder(CDC* pDC, CVrxPMiniFrameWnd* pFrame, CRect rect, CRect rectBorderSize) override;

    // Buttons and menus.
    void PaintButtonFace(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState) override;
    void PaintButtonFrame(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState) override;
    void PaintMenuButtonFrame(CDC* pDC, CVrxPToolbarMenuButton* pButton, CRect rect, int nState,
                              BOOL bHorizontal) override;
    COLORREF QueryButtonTextColor(CVrxPToolbarButton* pButton, int nState) override;
    COLORREF PaintCustomizeSelection(CDC* pDC, CRect rect, BOOL bSelected) override;
    void PaintDropDownArrow(CDC* pDC, CRect rect, BOOL bHighlighted) override;
    COLORREF QueryDisabledImageColor() override;
    void PaintMdiControlButton(CDC* pDC, CRect rect, UINT nCommand, UINT nStyle, BOOL bHighlighted) override;
    void PaintComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                              CVrxPToolbarComboBoxButton* pCombo) override;
    void PaintComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                          CVrxPToolbarComboBoxButton* pCombo) override;
    void PaintEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bHighlighted,
                         CVrxPToolbarEditBoxButton* pEdit) override;
    void PaintMenuFrame(CDC* pDC, CVrxPPopupMenu* pMenu, CRect rect) override;
    void PaintMenuDropShade(CDC* pDC, const CRect& rectClient, const CRect& rectExclude, int nDepth, int nPercentA,
                            int nPercentB, CBitmap* pSaveBottom, CBitmap* pSaveRight, BOOL bRightToLeft) override;
    void PaintMenuItemHighlight(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, COLORREF* pText) override;
    COLORREF QueryMenuItemTextColor(CVrxPToolbarButton* pButton) override;
    BOOL UsesFullWidthMenuHighlight() override;
    void PaintRarelyUsedBand(CDC* pDC, CRect rect) override;
    void PaintTearOffCaption(CDC* pDC, CRect rect, BOOL bHighlighted) override;
    void PaintMenuResizeGripper(CDC* pDC, CRect rect, BOOL bWidthToo) override;
    int QueryMenuTextMargin() override;
    int QueryMenuOffset() override;
    BOOL OffersLook2000Option() override;

    // Tabs.
    void PaintTabAreaBackground(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd) override;
    void PaintTab(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd) override;
    void PaintTabInterior(CDC* pDC, CRect rect, CBrush* pBrush, int nIndex, BOOL bActive,
                          CVrxPBaseTabWnd* pTabWnd) override;
    void PaintTabScrollButtonFace(CDC* pDC, CRect rect, CWnd* pButton, CVrxPBaseTabWnd* pTabWnd) override;
    void PaintTabScrollButtonFrame(CDC* pDC, CRect* pRect, CWnd* pButton, UINT nState, int nIgnored) override;
    COLORREF PaintSheetListItem(CDC* pDC, CVrxPPropertySheet* pSheet, CRect rect, BOOL bFocused,
                                BOOL bSelected) override;

    // Captions, mini frames and panes.
    COLORREF PaintBarCaption(CDC* pDC, CVrxPDockingControlBar* pBar, BOOL bActive, CRect rectCaption,
                             CRect rectButtons) override;
    void PaintCaptionButton(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, BOOL bActive, BOOL bHorizontal,
                            BOOL bMaximized, BOOL bDisabled, int nGlyph = -1) override;
    COLORREF PaintMiniFrameCaption(CDC* pDC, CRect rect, CVrxPMiniFrameWnd* pFrame, BOOL bActive) override;
    void PaintControlFlatBorder(CDC* pDC, CWnd* pControl, CRect* pRect) override;
    void PaintControlSunkenBorder(CDC* pDC, CWnd* pControl, CRect rect) override;
    void PaintStatusPaneBorder(CDC* pDC, CVrxPStatusBar* pBar, CRect rect, int nPane, UINT nStyle) override;
    void PaintAppBarFrame(CDC* pDC, CVrxPAppBarWnd* pBar, CRect rect, CRect rectBorderSize) override;
    COLORREF QueryAutoHideButtonTextColor(CVrxPAutoHideButton* pButton) override;
    void QuerySmartDockingColors(COLORREF& colorBase, COLORREF& colorHighlight) override;
    COLORREF QueryControlBackColor(CWnd* pControl) override;
    COLORREF QueryControlEdgeColor(CWnd* pControl) override;

    // Tasks pane.
    void PaintTaskGroupCaption(CDC* pDC, CVrxPTasksGroup* pGroup, BOOL bHot, BOOL bPressed,
                               BOOL bWithButton) override;
    void PaintTaskGroupBackground(CDC* pDC, CRect rect, BOOL bSpecial) override;
    CPen* PaintTaskGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bClosedTop) override;
    void PaintTask(CDC* pDC, CVrxPTask* pTask, CImageList* pImages, BOOL bHot, int nIgnored) override;
    void PaintTasksPaneScrollButton(CDC* pDC, CRect* pRect, int nExtendUp, int nGlyph, BOOL bHot) override;

    // Controls, calendar, planner and the ribbon's plain areas.
    BOOL PaintCalculatorButton(CDC* pDC, CRect rect, CWnd* pButton, int nState, int nKind,
                               CVrxPCalculator* pCalculator) override;
    BOOL PaintCalculatorDisplay(CDC* pDC, CRect rect, const CString* pText, BOOL bFlag,
                                CVrxPCalculator* pCalculator) override;
    BOOL PaintBrowseButton(CDC* pDC, CRect rect, CVrxPEditBrowseCtrl* pEdit, int nState, COLORREF* pText) override;
    void PaintSpinButton(CDC* pDC, CRect rect, UINT nStateFlags, BOOL bHorizontal,
                         CVrxPSpinButtonCtrl* pSpin) override;
    void QueryCalendarPalette(CVrxPCalendarBar* pCalendar, CVrxPCalendarPalette* pPalette) override;
    void PaintPlannerHeaderBar(CDC* pDC, CVrxPPlannerView* pView, CRect rect) override;
    void PaintControlBackground(CDC* pDC, CRect rect) override;
    void PaintControlRaisedFrame(CDC* pDC, CRect rect) override;
    COLORREF PaintActiveCaptionArea(CDC* pDC, CRect rect, CObject* pOwner) override;
    void PaintButtonBackground(CDC* pDC, CRect rect, CWnd* pButton) override;
    void PaintButtonBorder(CDC* pDC, CRect rect, CWnd* pButton) override;
    void PaintRibbonButtonInset(CDC* pDC, CVrxPBaseRibbonElement* pElement, CRect rect) override;
    void PaintRibbonMainPanelBackground(CDC* pDC, CVrxPRibbonPanel* pPanel, CRect rect) override;
    void PaintRibbonRecentFilesArea(CDC* pDC, CVrxPRibbonPanel* pPanel, CRect rect) override;
    void PaintRibbonSeparator(CDC* pDC, CVrxPRibbonSeparator* pSeparator, CRect rect) override;

    // The box behind the image of a checked menu item.
    virtual void PaintMenuImageBack(CDC* pDC, CVrxPToolbarMenuButton* pButton, CRect rect);
    virtual void PaintCaptionButtonGlyph(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, int nGlyph, BOOL bActive,
                                         BOOL bDisabled, CPoint location);
    virtual void CreateDitherBrush();
    // Extends the button's rectangle towards its open popup so that the two
    // overlap; answers the extension (4 for an unknown direction, 0 without
    // a popup).
    virtual int ComputeMenuJoinRect(CVrxPToolbarMenuButton* pButton, CRect* pRect);
    // The light colour the menus are mixed from.
    virtual COLORREF QueryMenuGutterColor();
    virtual void PaintBrushFill(CDC* pDC, CRect rect, CBrush* pBrush, CVrxPToolbarButton* pButton);

    // Where a popup opened from a button lies.
    enum PopupDirection
    {
        dropBelow = 1,
        dropAbove = 2,
        dropRight = 3,
        dropLeft = 4
    };
    static int DropDirectionOf(const CRect& rectButton, const CRect& rectPopup);
    // Extends the button's rectangle towards a popup lying in the direction:
    // 1 pixel when the popup is narrower than the button, else 4.
    static int JoinExtension(const CRect& rectPopup, int nDirection, CRect* pRect);

    // The width of the images in menus.
    static int MenuImageWidth();

    // The colour-set of the menu-glyph store for a caption button's glyph.
    int CaptionGlyphVariant(const CVrxPMiniFrameTitleButton* pButton, BOOL bActive, BOOL bDisabled) const;

    // 8 x 8 monochrome patterns: alternate rows set, alternate columns set.
    CBrush rowPatternBrush;
    CBrush columnPatternBrush;
    COLORREF toolbarColor;
    CBrush toolbarBrush;
    COLORREF rarelyUsedColor;
    CBrush rarelyUsedBrush;
    COLORREF menuColor;
    CBrush menuBrush;
    COLORREF inactiveTabTextColor;
    CBrush tabAreaBrush;
    COLORREF highlightColor;
    CBrush highlightBrush;
    COLORREF pressedColor;
    CBrush pressedBrush;
    COLORREF checkedColor;
    CBrush checkedBrush;
    // -1: pressed buttons are framed in highlightFrameColor.
    COLORREF pressedFrameColor;
    COLORREF gripperColor;
    COLORREF separatorColor;
    CPen separatorPen;
    COLORREF paneBorderColor;
    COLORREF menuBorderColor;
    COLORREF highlightFrameColor;
    CPen highlightFramePen;
    CBrush floatingFrameBrush;
    BOOL joinMenuToButton;
    BOOL shadeOpenMenuButton;
    BOOL separatorAfterLastTab;

protected:
    // Fills with a pattern brush in the given foreground and background.
    void PaintPattern(CDC* pDC, const CRect& rect, CBrush* pPattern, COLORREF colorText, COLORREF colorBack);
    // Border strips of the given widths in the outer brush, and inside them,
    // two pixels in, strips one pixel shorter at each end in the inner one.
    static void PaintFramedStrips(CDC* pDC, CRect rect, CRect widths, CBrush* pOuter, CBrush* pInner);

private:
    void ComputeRichPalette(COLORREF& colorTabArea, COLORREF& colorFloatingFrame);
    void ComputePlainPalette(COLORREF& colorTabArea, COLORREF& colorFloatingFrame);
};
