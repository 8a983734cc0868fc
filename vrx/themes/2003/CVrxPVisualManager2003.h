#pragma once

// The gradient look: the XP look whose bars, buttons, captions, tabs and
// task panes are painted with two-colour gradients on displays of more than
// 8 bits per pixel without high contrast. Its colours come from the
// visual-styles theme when that is one of the default theme's three colour
// schemes, from the system colours otherwise. It rewrites the library's
// global bar colours to its scheme, so everything that draws with the bar
// face, shadow and highlight follows it.

#include "themes/xp/CVrxPVisualManagerXP.h"

#include <vector>

class CVrxPVisualManager2003 : public CVrxPVisualManagerXP
{
    DECLARE_DYNCREATE(CVrxPVisualManager2003)
public:
    // The colour schemes of the default theme; -1 no theme name, 0 another theme.
    static constexpr int schemeNone = -1;
    static constexpr int schemeOther = 0;
    static constexpr int schemeBlue = 1;
    static constexpr int schemeOlive = 2;
    static constexpr int schemeSilver = 3;
    static constexpr COLORREF themeHeaderColor = RGB(249, 203, 95);
    static constexpr COLORREF themeHeaderPenColor = RGB(187, 85, 3);
    static constexpr COLORREF richPlannerHighlightColor = RGB(255, 255, 213);

    explicit CVrxPVisualManager2003(BOOL bTemporary = FALSE);
    ~CVrxPVisualManager2003() override;

    void ReloadPalette() override;
    COLORREF QueryMenuGutterColor() override;

    // The base colour of the scheme.
    virtual COLORREF QueryMenuHighlightColor();
    // The toolbar's chevron: state 0 idle, else hot; hidden buttons and the
    // customise item add their glyphs.
    virtual void PaintGradientButtonFace(CDC* pDC, CRect rect, BOOL bHorizontal, int nState, BOOL bHiddenButtons,
                                         BOOL bCustomizeItem);
    virtual COLORREF QueryHotItemColor();
    // White gives the button face; a colour keeps its hue at 84 % lightness
    // (a fully saturated one also shifts its hue).
    virtual COLORREF DarkenColor(COLORREF color);
    virtual COLORREF QueryBarBaseColor(CVrxPPlannerView* pView);
    virtual COLORREF QueryBarLightColor(CVrxPPlannerView* pView);
    virtual COLORREF QueryBarDarkColor(CVrxPPlannerView* pView);
    // Rewrites the library's five global bar colours and the bar-face brush.
    virtual void ComputeBaseColors();

    // Bars, buttons and menus.
    void PaintBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip, BOOL bNonClient = FALSE) override;
    void PaintBarBorder(CDC* pDC, CVrxPBaseControlBar* pBar, CRect& rect) override;
    void PaintBarGripper(CDC* pDC, CRect rect, BOOL bHorizontal, CVrxPBaseControlBar* pBar) override;
    void PaintSeparator(CDC* pDC, CVrxPBaseControlBar* pBar, CRect rect, BOOL bHorizontal) override;
    COLORREF PaintBarCaption(CDC* pDC, CVrxPDockingControlBar* pBar, BOOL bActive, CRect rectCaption,
                             CRect rectButtons) override;
    void PaintComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                              CVrxPToolbarComboBoxButton* pCombo) override;
    void PaintComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                          CVrxPToolbarComboBoxButton* pCombo) override;
    void PaintTearOffCaption(CDC* pDC, CRect rect, BOOL bHighlighted) override;
    void PaintRarelyUsedBand(CDC* pDC, CRect rect) override;
    COLORREF QueryImageHighlightColor() override;
    BOOL UsesToolbarWindowRegion(CVrxPToolBar* pToolBar) override;
    void PaintCaptionBarBackground(CDC* pDC, CVrxPCaptionBar* pBar, CRect rect, COLORREF colorBack,
                                   BOOL bFlat) override;
    void PaintPushButtonFace(CDC* pDC, CRect* pRect, BOOL bHighlighted, BOOL bPushed, COLORREF* pText) override;
    void PaintPushButtonFrame(CDC* pDC, CRect* pRect, BOOL bHighlighted, BOOL bPushed) override;
    COLORREF PaintCustomizeSelection(CDC* pDC, CRect rect, BOOL bSelected) override;
    BOOL PaintThemedButton(CDC* pDC, CRect rect, CWnd* pButton, int nIgnored) override;
    BOOL PaintThemedComboButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot) override;
    void QuerySmartDockingColors(COLORREF& colorBase, COLORREF& colorHighlight) override;
    COLORREF QuerySmartDockingMarkerColor() override;
    int QueryCustomizeButtonMargin() override;
    BOOL ShiftsPressedButton() override;
    int QueryShowAllButtonHeight(int nIgnored1, int nIgnored2) override;
    void PaintShowAllButton(CDC* pDC, CRect rect, int nIgnored) override;
    void PaintMenuImageBack(CDC* pDC, CVrxPToolbarMenuButton* pButton, CRect rect) override;
    void PaintBrushFill(CDC* pDC, CRect rect, CBrush* pBrush, CVrxPToolbarButton* pButton) override;

    // Tabs, panes and the rest.
    BOOL HasWindowTheme() override;
    BOOL TracksHotTab() override;
    BOOL FramesDockingTabWindows() override;
    void PaintTabAreaBackground(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd) override;
    void PaintTab(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd) override;
    void PaintTabInterior(CDC* pDC, CRect rect, CBrush* pBrush, int nIndex, BOOL bActive,
                          CVrxPBaseTabWnd* pTabWnd) override;
    void PaintTabScrollButtonFrame(CDC* pDC, CRect* pRect, CWnd* pButton, UINT nState, int nIgnored) override;
    void QueryTabColors(CVrxPBaseTabWnd* pTabWnd, COLORREF* pShadow, COLORREF* pText, COLORREF* pHighlight,
                        COLORREF* pFace, COLORREF* pDarkShadow, COLORREF* pLight, CBrush** ppFaceBrush,
                        CBrush** ppDarkShadowBrush) override;
    void PaintOutlookPageButton(CDC* pDC, CRect rect) override;
    void PaintOutlookPageCaption(CDC* pDC, CRect rect, COLORREF* pText) override;
    void PaintAutoHideButtonFace(CDC* pDC, CRect rect, CVrxPAutoHideButton* pButton) override;
    void PaintTasksPaneBackground(CDC* pDC, CRect rect) override;
    void PaintTaskGroupBackground(CDC* pDC, CRect rect, BOOL bSpecial) override;
    CPen* PaintTaskGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bClosedTop) override;
    void PaintControlBackground(CDC* pDC, CRect rect) override;
    void PaintControlRaisedFrame(CDC* pDC, CRect rect) override;
    COLORREF QueryGridLineColor() override;
    BOOL PaintCalculatorButton(CDC* pDC, CRect rect, CWnd* pButton, int nState, int nKind,
                               CVrxPCalculator* pCalculator) override;
    BOOL PaintCalculatorDisplay(CDC* pDC, CRect rect, const CString* pText, BOOL bFlag,
                                CVrxPCalculator* pCalculator) override;
    BOOL PaintBrowseButton(CDC* pDC, CRect rect, CVrxPEditBrowseCtrl* pEdit, int nState, COLORREF* pText) override;
    BOOL PaintToolItemFace(CDC* pDC, CRect rect, CVrxPToolBoxButton* pItem) override;
    BOOL PaintToolItemBorder(CDC* pDC, CRect* pRect, CVrxPToolBoxButton* pItem, int nIgnored) override;
    void QueryCalendarPalette(CVrxPCalendarBar* pCalendar, CVrxPCalendarPalette* pPalette) override;
    COLORREF PaintActiveCaptionArea(CDC* pDC, CRect rect, CObject* pOwner) override;
    void PaintButtonBackground(CDC* pDC, CRect rect, CWnd* pButton) override;
    void PaintTasksPaneScrollButton(CDC* pDC, CRect* pRect, int nExtendUp, int nGlyph, BOOL bHot) override;
    void PaintTask(CDC* pDC, CVrxPTask* pTask, CImageList* pImages, BOOL bHot, int nIgnored) override;
    void PaintGridExpandBox(CDC* pDC, CRect rect, BOOL bExpanded, COLORREF colorFrame) override;
    void PaintRibbonSeparator(CDC* pDC, CVrxPRibbonSeparator* pSeparator, CRect rect) override;
    void PaintPlannerTimeArea(CDC* pDC, CVrxPPlannerView* pView, CRect rect, BOOL bWorking) override;
    COLORREF QueryPlannerGridColor(CVrxPPlannerView* pView, int nDark, int nStrong) override;
    void PaintPlannerHeaderBar(CDC* pDC, CVrxPPlannerView* pView, CRect rect) override;
    BOOL QueryToolTipOptions(CVrxPToolTipOptions* pOptions, int nKind) override;

    // Rich colour: more than 8 bits per pixel and neither high-contrast scheme.
    static BOOL IsRichColor();
    // Where the dots of a gripper strip of that length start, 4 pixels apart.
    static std::vector<int> GripperDotOffsets(int nLength);

    // When 0 the scheme is taken only for a main window with a window theme.
    static int detectSchemeAlways;
    // When 0 a detected scheme counts as another theme.
    static int keepSchemeColors;
    static int themedStatusBar;

    int themeScheme;
    COLORREF faceGradientDark;
    COLORREF faceGradientLight;
    COLORREF toolbarGradientDark;
    COLORREF toolbarGradientLight;
    COLORREF imageHighlightColor;
    COLORREF verticalGradientLight;
    COLORREF verticalGradientDark;
    COLORREF chevronGradientDark;
    COLORREF chevronGradientLight;
    COLORREF toolbarShadowColor;
    CPen toolbarShadowPen;
    // -1 outside theme mode.
    COLORREF menuHotColor;
    COLORREF hotGradientTop;
    COLORREF hotGradientBottom;
    COLORREF pressedGradientTop;
    COLORREF pressedGradientBottom;
    COLORREF checkedGradientTop;
    COLORREF checkedGradientBottom;
    CPen barHiliteLinePen;
    COLORREF frameColor;
    COLORREF captionGradientLight;
    COLORREF captionGradientDark;
    CBrush barFaceBrush;
    COLORREF paneGradientBottom;
    COLORREF paneGradientTop;
    COLORREF normalCaptionRightColor;
    COLORREF normalCaptionLeftColor;
    COLORREF specialGroupBottomColor;
    COLORREF specialGroupTopColor;
    COLORREF normalGroupTopColor;
    COLORREF normalGroupBottomColor;
    COLORREF groupBorderColor;
    CPen groupBorderPen;
    CPen lightLinePen;
    CPen darkLinePen;
    COLORREF headerColor;
    CPen headerPen;
    BOOL useThemeColors;

protected:
    // The theme's system colour (the WINDOW theme's, else the system's).
    COLORREF SysColor(int nIndex);
    // A theme colour, or the fallback when it cannot be read.
    COLORREF ThemeColor(ThemeClass nClass, int nPart, int nState, int nProperty, COLORREF fallback);

private:
    int DetectScheme();
    void ComputeSchemeGradients(COLORREF base);
    void ComputeThemeModeColors(COLORREF base, COLORREF& colorSeparator, COLORREF& colorHeaderPen);
    void ComputeClassicModeColors(COLORREF& colorSeparator, COLORREF& colorHeaderPen);
    void ComputeTasksPaneColors();
    void ComputePlainPalette();
};
