#pragma once

// The drawing interface of the whole library and its base look: the classic
// three-dimensional appearance built from the system colours. There is one
// current manager per process, created on first use by Instance from the
// selected look class. Every bar, menu, tab, button and pane asks it to
// paint its parts and to answer colour and metric questions.
//
// The virtual operations keep a fixed order (the looks override them slot
// by slot): those of the theme wrapper first, then the manager's own, in the
// order below. Painting operations take the device context first and answer
// the text colour where an element has text; a COLORREF of -1 means that
// the caller's default applies.

#include "foundation/CVrxPToolTipOptions.h"
#include "gdi/CBrush.h"
#include "strings/CSize.h"
#include "strings/CString.h"
#include "themes/CVrxPThemeWrapper.h"

class CBitmap;
class CImageList;
class CObList;
class CPen;
class CVrxPAppBarWnd;
class CVrxPAutoHideButton;
class CVrxPBaseControlBar;
class CVrxPBaseRibbonElement;
class CVrxPBaseTabWnd;
class CVrxPCalculator;
class CVrxPCalendarBar;
class CVrxPCaptionBar;
class CVrxPDockingControlBar;
class CVrxPEditBrowseCtrl;
class CVrxPGridCtrl;
class CVrxPHeaderCtrl;
class CVrxPMiniFrameTitleButton;
class CVrxPMiniFrameWnd;
class CVrxPPlannerView;
class CVrxPPopupMenu;
class CVrxPPopupMenuBar;
class CVrxPPropertySheet;
class CVrxPRibbonBar;
class CVrxPRibbonButton;
class CVrxPRibbonButtonsGroup;
class CVrxPRibbonCaptionButton;
class CVrxPRibbonCategory;
class CVrxPRibbonEdit;
class CVrxPRibbonPaletteButton;
class CVrxPRibbonPanel;
class CVrxPRibbonPanelMenuBar;
class CVrxPRibbonSeparator;
class CVrxPRibbonTab;
class CVrxPSpinButtonCtrl;
class CVrxPStatusBar;
class CVrxPTask;
class CVrxPTasksGroup;
class CVrxPToolBar;
class CVrxPToolBoxButton;
class CVrxPToolbarButton;
class CVrxPToolbarComboBoxButton;
class CVrxPToolbarEditBoxButton;
class CVrxPToolbarMenuButton;
struct CVrxPStatusPaneInfo;

// The calendar's five colours, in the order the calendar reads them.
struct CVrxPCalendarPalette
{
    COLORREF headerBack;
    COLORREF headerText;
    COLORREF calendarBack;
    COLORREF selectedText;
    COLORREF todayFrame;
};

class CVrxPVisualManager : public CVrxPThemeWrapper
{
    DECLARE_DYNCREATE(CVrxPVisualManager)
public:
    static constexpr COLORREF basePlannerHighlightColor = RGB(255, 255, 0);
    static constexpr COLORREF basePlannerGridColor = RGB(128, 128, 128);
    // The ring colours of a mini frame about to dock (1) or to join tabs (2).
    static constexpr COLORREF dockToSiteColor = RGB(127, 0, 0);
    static constexpr COLORREF joinTabsColor = RGB(0, 0, 127);
    static constexpr COLORREF todayFrameColor = RGB(187, 85, 3);
    // Button states passed to the painting operations.
    static constexpr int statePressed = 1;
    static constexpr int stateHighlighted = 2;

    // A temporary manager is an ordinary local object: it never becomes
    // current and leaves the global colours and docking settings alone.
    explicit CVrxPVisualManager(BOOL bTemporary = FALSE);
    ~CVrxPVisualManager() override;

    // The current manager, created (from the selected class, else the base
    // look) when there is none. Callers ask each time: a new look replaces it.
    static CVrxPVisualManager* Instance();
    // Deletes the current manager (only one the accessor created, when
    // bOnlyAutoDelete) and clears the current pointer.
    static void DestroyInstance(BOOL bOnlyAutoDelete = FALSE);
    // Makes lookClass (null: the base look) the look: the current manager
    // goes, the next use creates one of the new class, and every library
    // frame hears of the change. A class that is no look changes nothing.
    static void SelectClass(CRuntimeClass* pLookClass);
    static CRuntimeClass* SelectedClass();
    // "VrxM_CHANGEVISUALMANAGER" to every library frame.
    static void NotifyFramesOfChange();
    static void RefreshToolbarRegions();
    static void RedrawAllLibraryWindows();
    void ApplyLook2000Option(BOOL bOn);

    // Bars, captions, status bar, mini frames.
    virtual BOOL HasWindowTheme();
    virtual void ReloadPalette();
    virtual void PaintBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip, BOOL bNonClient = FALSE);
    virtual void PaintBarBorder(CDC* pDC, CVrxPBaseControlBar* pBar, CRect& rect);
    virtual void PaintMenuFrame(CDC* pDC, CVrxPPopupMenu* pMenu, CRect rect);
    virtual void PaintMenuDropShade(CDC* pDC, const CRect& rectClient, const CRect& rectExclude, int nDepth,
                                    int nPercentA, int nPercentB, CBitmap* pSaveBottom, CBitmap* pSaveRight,
                                    BOOL bRightToLeft);
    virtual void PaintBarGripper(CDC* pDC, CRect rect, BOOL bHorizontal, CVrxPBaseControlBar* pBar);
    virtual void PaintSeparator(CDC* pDC, CVrxPBaseControlBar* pBar, CRect rect, BOOL bHorizontal);
    virtual COLORREF PaintMenuTitle(CDC* pDC, CRect rect);
    virtual COLORREF PaintBarCaption(CDC* pDC, CVrxPDockingControlBar* pBar, BOOL bActive, CRect rectCaption,
                                     CRect rectButtons);
    virtual void PaintCaptionButton(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, BOOL bActive, BOOL bHorizontal,
                                    BOOL bMaximized, BOOL bDisabled, int nGlyph = -1);
    virtual void PaintMdiControlButton(CDC* pDC, CRect rect, UINT nCommand, UINT nStyle, BOOL bHighlighted);
    virtual void PaintStatusPaneBorder(CDC* pDC, CVrxPStatusBar* pBar, CRect rect, int nPane, UINT nStyle);
    virtual COLORREF QueryStatusPaneTextColor(CVrxPStatusBar* pBar, const CVrxPStatusPaneInfo* pPane);
    virtual void PaintStatusProgress(CDC* pDC, CVrxPStatusBar* pBar, CRect rect, int nRange, int nPos,
                                     COLORREF colorFill, COLORREF colorFillEnd, COLORREF colorText,
                                     BOOL bShowPercent);
    virtual void PaintSizeGrip(CDC* pDC, CVrxPStatusBar* pBar, CRect rect);

    // Buttons, menus and toolbar controls.
    virtual void PaintComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                                      CVrxPToolbarComboBoxButton* pCombo);
    virtual void PaintComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                                  CVrxPToolbarComboBoxButton* pCombo);
    virtual void PaintEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bHighlighted,
                                 CVrxPToolbarEditBoxButton* pEdit);
    virtual void PaintTearOffCaption(CDC* pDC, CRect rect, BOOL bHighlighted);
    virtual void PaintMenuResizeGripper(CDC* pDC, CRect rect, BOOL bWidthToo);
    virtual void PaintButtonFace(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState);
    virtual void PaintButtonFrame(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState);
    virtual void PaintMenuButtonFrame(CDC* pDC, CVrxPToolbarMenuButton* pButton, CRect rect, int nState,
                                      BOOL bHorizontal);
    virtual void PaintMenuItemHighlight(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, COLORREF* pText);
    virtual COLORREF QueryMenuItemTextColor(CVrxPToolbarButton* pButton);
    virtual BOOL UsesFullWidthMenuHighlight();
    virtual COLORREF QueryHighlightedMenuTextColor(CVrxPPopupMenuBar* pBar, CVrxPToolbarButton* pItem,
                                                   BOOL bDisabled);
    virtual void PaintRarelyUsedBand(CDC* pDC, CRect rect);
    virtual void PaintMenuCheckMark(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, BOOL bHighlighted,
                                    BOOL bRadio);
    virtual void PaintSplitMenuSeparator(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, BOOL bHighlighted,
                                         BOOL bIgnored);
    virtual BOOL OmitsCheckedImageFrame();
    virtual COLORREF QueryButtonTextColor(CVrxPToolbarButton* pButton, int nState);
    // -1: no highlight colour; greyed disabled images stay unmixed.
    virtual COLORREF QueryImageHighlightColor();
    virtual BOOL UsesToolbarWindowRegion(CVrxPToolBar* pToolBar);
    // The base colour of disabled images and image drop shades.
    virtual COLORREF QueryDisabledImageColor();
    virtual COLORREF QueryDisabledTextColor();
    virtual int QueryDockingCaptionExtraHeight();
    virtual COLORREF QueryCaptionBarTextColor(CVrxPCaptionBar* pBar);
    virtual void PaintCaptionBarBackground(CDC* pDC, CVrxPCaptionBar* pBar, CRect rect, COLORREF colorBack,
                                           BOOL bFlat);
    virtual void PaintPushButtonFace(CDC* pDC, CRect* pRect, BOOL bHighlighted, BOOL bPushed, COLORREF* pText);
    virtual void PaintPushButtonFrame(CDC* pDC, CRect* pRect, BOOL bHighlighted, BOOL bPushed);

    // Tabs, outlook bar, tasks pane, auto-hide buttons, headers.
    virtual void PaintOutlookPageButton(CDC* pDC, CRect rect);
    virtual void PaintOutlookPageCaption(CDC* pDC, CRect rect, COLORREF* pText);
    virtual void PaintTabAreaBackground(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd);
    virtual void PaintTab(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd);
    virtual void PaintTabInterior(CDC* pDC, CRect rect, CBrush* pBrush, int nIndex, BOOL bActive,
                                  CVrxPBaseTabWnd* pTabWnd);
    virtual void PaintTabLabel(CDC* pDC, CRect rect, int nIndex, BOOL bActive, CVrxPBaseTabWnd* pTabWnd,
                               COLORREF colorText);
    virtual void PaintTabScrollButtonFace(CDC* pDC, CRect rect, CWnd* pButton, CVrxPBaseTabWnd* pTabWnd);
    virtual void PaintTabScrollButtonFrame(CDC* pDC, CRect* pRect, CWnd* pButton, UINT nState, int nIgnored);
    virtual void QueryTabColors(CVrxPBaseTabWnd* pTabWnd, COLORREF* pShadow, COLORREF* pText,
                                COLORREF* pHighlight, COLORREF* pFace, COLORREF* pDarkShadow, COLORREF* pLight,
                                CBrush** ppFaceBrush, CBrush** ppDarkShadowBrush);
    virtual BOOL PaintTabAreaColorFill(CDC* pDC, CRect rect, CVrxPBaseTabWnd* pTabWnd);
    virtual BOOL TracksHotTab();
    virtual BOOL TracksHotTabAlways();
    virtual COLORREF QueryTabTextColor(CVrxPBaseTabWnd* pTabWnd, int nIndex, BOOL bActive);
    virtual int QueryMdiTabsStyle();
    virtual int QueryDockingTabsStyle();
    virtual BOOL FramesDockingTabWindows();
    virtual COLORREF PaintCustomizeSelection(CDC* pDC, CRect rect, BOOL bSelected);
    virtual void PaintDropDownArrow(CDC* pDC, CRect rect, BOOL bHighlighted);
    virtual CSize QueryButtonExtraSize();
    virtual CSize QueryCaptionButtonExtraSize();
    virtual COLORREF PaintMiniFrameCaption(CDC* pDC, CRect rect, CVrxPMiniFrameWnd* pFrame, BOOL bActive);
    virtual void PaintMiniFrameBorder(CDC* pDC, CVrxPMiniFrameWnd* pFrame, CRect rect, CRect rectBorderSize);
    virtual void PaintFloatingToolbarBorder(CDC* pDC, CVrxPMiniFrameWnd* pFrame, CRect rect, CRect rectBorderSize);
    virtual void PaintHeaderBackground(CVrxPHeaderCtrl* pHeader, CDC* pDC, CRect rect);
    virtual void PaintHeaderItem(CVrxPHeaderCtrl* pHeader, CDC* pDC, CRect* pRect, BOOL bPressed, BOOL bHot);
    virtual void PaintHeaderSortArrow(CVrxPHeaderCtrl* pHeader, CDC* pDC, CRect* pRect, BOOL bUp);
    virtual COLORREF PaintSheetListItem(CDC* pDC, CVrxPPropertySheet* pSheet, CRect rect, BOOL bFocused,
                                        BOOL bSelected);
    virtual void PaintTasksPaneBackground(CDC* pDC, CRect rect);
    virtual void PaintTaskGroupCaption(CDC* pDC, CVrxPTasksGroup* pGroup, BOOL bHot, BOOL bPressed,
                                       BOOL bWithButton);
    virtual void PaintTaskGroupIcon(CDC* pDC, CVrxPTasksGroup* pGroup, int nMargin, BOOL bHot, BOOL bPressed,
                                    BOOL bWithButton);
    virtual void PaintTaskGroupBackground(CDC* pDC, CRect rect, BOOL bSpecial);
    virtual CPen* PaintTaskGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bClosedTop);
    virtual void PaintTask(CDC* pDC, CVrxPTask* pTask, CImageList* pImages, BOOL bHot, int nIgnored);
    virtual void PaintTasksPaneScrollButton(CDC* pDC, CRect* pRect, int nExtendUp, int nGlyph, BOOL bHot);
    virtual void PaintTasksPaneBorder(CDC* pDC, CRect* pRect);
    virtual void PaintSliderBackground(CDC* pDC, CVrxPBaseControlBar* pSlider, CRect rect, BOOL bDrawEdge);
    virtual void PaintPlusMinusBox(CDC* pDC, CRect rect, BOOL bExpanded, COLORREF colorFrame);

    // Controls, calendar, calculator, spin, application bar.
    virtual COLORREF QueryControlBackColor(CWnd* pControl);
    virtual COLORREF QueryControlEdgeColor(CWnd* pControl);
    virtual void PaintControlSunkenBorder(CDC* pDC, CWnd* pControl, CRect rect);
    virtual void PaintControlFlatBorder(CDC* pDC, CWnd* pControl, CRect* pRect);
    virtual void PaintControlFace(CDC* pDC, CWnd* pControl, CRect rect);
    virtual COLORREF PaintInactiveCaptionArea(CDC* pDC, CRect rect);
    virtual void QueryCalendarPalette(CVrxPCalendarBar* pCalendar, CVrxPCalendarPalette* pPalette);
    virtual void PaintCheckBoxSimple(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bChecked, BOOL bEnabled);
    virtual void PaintCheckBox(CDC* pDC, CRect rect, int nState, BOOL bHighlighted, BOOL bPressed, BOOL bEnabled);
    virtual void PaintCalendarBorder(CWnd* pWnd);
    virtual BOOL DrawsAutoHideButtonsAsTabs();
    virtual void PaintAutoHideButtonFace(CDC* pDC, CRect rect, CVrxPAutoHideButton* pButton);
    virtual void PaintAutoHideButtonFrame(CDC* pDC, CRect rect, CRect rectBorderWidths,
                                          CVrxPAutoHideButton* pButton);
    virtual COLORREF QueryAutoHideButtonTextColor(CVrxPAutoHideButton* pButton);
    virtual BOOL PaintCalculatorButton(CDC* pDC, CRect rect, CWnd* pButton, int nState, int nKind,
                                       CVrxPCalculator* pCalculator);
    virtual BOOL PaintCalculatorDisplay(CDC* pDC, CRect rect, const CString* pText, BOOL bFlag,
                                        CVrxPCalculator* pCalculator);
    virtual BOOL PaintBrowseButton(CDC* pDC, CRect rect, CVrxPEditBrowseCtrl* pEdit, int nState, COLORREF* pText);
    virtual void PaintSpinButton(CDC* pDC, CRect rect, UINT nStateFlags, BOOL bHorizontal,
                                 CVrxPSpinButtonCtrl* pSpin);
    virtual void PaintAppBarFrame(CDC* pDC, CVrxPAppBarWnd* pBar, CRect rect, CRect rectBorderSize);
    virtual void PaintAppBarCaption(CDC* pDC, CVrxPAppBarWnd* pBar, CRect rect, CString strText);
    virtual BOOL PaintThemedButton(CDC* pDC, CRect rect, CWnd* pButton, int nIgnored);
    virtual BOOL PaintThemedComboButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot);
    virtual BOOL PaintThemedComboFrame(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot);
    virtual BOOL PaintToolItemFace(CDC* pDC, CRect rect, CVrxPToolBoxButton* pItem);
    virtual BOOL PaintToolItemBorder(CDC* pDC, CRect* pRect, CVrxPToolBoxButton* pItem, int nIgnored);
    virtual void QuerySmartDockingColors(COLORREF& colorBase, COLORREF& colorHighlight);
    virtual COLORREF QuerySmartDockingMarkerColor();
    virtual void PaintControlBackground(CDC* pDC, CRect rect);
    virtual void PaintControlRaisedFrame(CDC* pDC, CRect rect);
    virtual COLORREF PaintActiveCaptionArea(CDC* pDC, CRect rect, CObject* pOwner);
    virtual void PaintButtonBackground(CDC* pDC, CRect rect, CWnd* pButton);
    virtual void PaintButtonBorder(CDC* pDC, CRect rect, CWnd* pButton);
    virtual BOOL UsesThemedCloseButton(CWnd* pButton);

    // Planner.
    virtual COLORREF PaintPlannerBackground(CDC* pDC, CVrxPPlannerView* pView, CRect rect, BOOL bShaded,
                                            BOOL bSelected, BOOL bNoLine);
    virtual void PaintPlannerCaption(CDC* pDC, CVrxPPlannerView* pView, CRect rect, CString& strText,
                                     COLORREF colorText, int nAlign, BOOL bSelected);
    virtual void PaintPlannerTimeArea(CDC* pDC, CVrxPPlannerView* pView, CRect rect, BOOL bWorking);
    virtual COLORREF QueryAppointmentColors(CVrxPPlannerView* pView, BOOL bSelected, BOOL bTimed, UINT nFlags,
                                            COLORREF* pBack, COLORREF* pFill, COLORREF* pFrame,
                                            COLORREF* pFrame2, COLORREF* pText);
    virtual COLORREF QueryPlannerGridColor(CVrxPPlannerView* pView, int nFirst, int nSecond);
    virtual COLORREF PaintPlannerDayCaption(CDC* pDC, CVrxPPlannerView* pView, CRect rect, COLORREF* pLine);
    virtual void PaintPlannerHeaderBar(CDC* pDC, CVrxPPlannerView* pView, CRect rect);
    virtual int QueryPlannerOffset();
    virtual COLORREF QueryPlannerHighlightColor();
    virtual void PaintPlannerDayHeader(CDC* pDC, CVrxPPlannerView* pView, CRect rect);
    virtual void PaintPlannerDayHeaderBorder(CDC* pDC, CVrxPPlannerView* pView, CRect rect);
    virtual void PaintPlannerShadowArea(CDC* pDC, CVrxPPlannerView* pView, CRect rect);
    virtual BOOL PaintPlannerCellBackground(CDC* pDC, CVrxPPlannerView* pView, CRect rect, BOOL bFirst,
                                            BOOL bFill);
    virtual COLORREF QueryPlannerSelectionColor(CVrxPPlannerView* pView);
    virtual COLORREF QueryPlannerFrameColor(CVrxPPlannerView* pView);
    virtual void SetPlannerDrawDate(DATE date);
    virtual void SetPlannerDrawFlag(BOOL bFlag);

    // Grid.
    virtual void PaintGridBackground(CDC* pDC, CRect rect);
    virtual void PaintGridExpandBox(CDC* pDC, CRect rect, BOOL bExpanded, COLORREF colorFrame);
    virtual void PaintGridHeaderBackground(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect);
    virtual BOOL PaintGridHeaderItem(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect, BOOL bPressed);
    virtual void PaintGridSortArrow(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect, BOOL bUp);
    virtual COLORREF PaintGridGroupBackground(CDC* pDC, CRect rect);
    virtual COLORREF QueryGridGroupTextColor();
    virtual void PaintGridSelectAllArea(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect);
    virtual COLORREF QueryGridLeftOffsetColor(CVrxPGridCtrl* pGrid);
    virtual COLORREF QueryGridGroupLineColor(CVrxPGridCtrl* pGrid);
    virtual void PaintGridRowArea(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect);
    virtual void PaintGridGroupUnderline(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect);
    virtual COLORREF PaintGridRowHeader(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect, BOOL bSelected);
    virtual COLORREF PaintGridItemBackground(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect, BOOL bSelected,
                                             BOOL bEditing, BOOL bColored);
    virtual COLORREF QueryGridLineColor();
    virtual COLORREF PaintGridSelectionBackground(CVrxPGridCtrl* pGrid, CDC* pDC, CRect rect, BOOL bSelected,
                                                  BOOL bHighlighted);

    // Frames.
    virtual BOOL OwnsFrameNonClient();
    virtual BOOL UpdateFrameRegion(CWnd* pFrame, int cx, int cy);
    virtual void OnFrameActivateApp(CWnd* pFrame, BOOL bActive);
    virtual BOOL PaintFrameNonClient(CWnd* pFrame, CObList* pCaptionButtons, int nValue1, int nValue2,
                                     int nValue3, int nValue4);
    virtual BOOL HandleFrameNcActivate(CWnd* pFrame, BOOL bActive);
    virtual CSize QueryFrameCaptionButtonSize(BOOL bLarge);

    // Ribbon.
    virtual COLORREF PaintRibbonCategorySeparator(CDC* pDC, CObject* pIgnored, int x1, int y, int x2,
                                                  int nIgnored);
    virtual void PaintRibbonMainButton(CDC* pDC, CVrxPRibbonButton* pButton);
    virtual void PaintRibbonCategoryBackground(CDC* pDC, CVrxPRibbonCategory* pCategory, CRect rect);
    virtual COLORREF PaintRibbonCategoryTab(CDC* pDC, CVrxPRibbonTab* pTab, BOOL bActive);
    virtual COLORREF PaintRibbonPanel(CDC* pDC, CVrxPRibbonPanel* pPanel, CRect rect, CRect rectCaption);
    virtual void PaintRibbonPanelCaption(CDC* pDC, CVrxPRibbonPanel* pPanel, CRect rect);
    virtual void PaintRibbonLaunchButton(CDC* pDC, CVrxPBaseRibbonElement* pButton, CVrxPRibbonPanel* pPanel);
    virtual void PaintRibbonDefaultPanelButton(CDC* pDC, CVrxPBaseRibbonElement* pButton);
    virtual void PaintRibbonDefaultPanelArrow(CDC* pDC, CVrxPBaseRibbonElement* pButton, CRect rect, int nFirst,
                                              int nSecond);
    virtual COLORREF PaintRibbonButtonFace(CDC* pDC, CVrxPBaseRibbonElement* pElement);
    virtual void PaintRibbonEdit(CDC* pDC, CVrxPRibbonEdit* pEdit, CRect rect, BOOL bHighlighted, BOOL bFlag,
                                 BOOL bDisabled, int nValue1, int nValue2, int nValue3);
    virtual void PaintRibbonButtonFrame(CDC* pDC, CVrxPBaseRibbonElement* pElement);
    virtual void PaintRibbonButtonInset(CDC* pDC, CVrxPBaseRibbonElement* pElement, CRect rect);
    virtual COLORREF PaintRibbonSubItemFace(CDC* pDC, CVrxPBaseRibbonElement* pElement);
    virtual void PaintRibbonSubItemFrame(CDC* pDC, CVrxPBaseRibbonElement* pElement);
    virtual void PaintRibbonCaption(CDC* pDC, CVrxPRibbonBar* pBar, CRect rectCaption, CRect rectText);
    virtual int QueryQuickAccessOffset();
    virtual int QueryQuickAccessTopAdjust();
    virtual void PaintRibbonCaptionButton(CDC* pDC, CVrxPRibbonCaptionButton* pButton);
    virtual COLORREF PaintRibbonButtonGroupFrame(CDC* pDC, CVrxPRibbonButtonsGroup* pGroup, CRect rect);
    virtual void PaintRibbonDefaultImage(CDC* pDC, CRect rect, BOOL bDisabled, int nFirst, int nSecond);
    virtual void PaintRibbonMainPanelFrame(CDC* pDC, CVrxPRibbonPanel* pPanel, CRect rect);
    virtual void PaintRibbonMainPanelBackground(CDC* pDC, CVrxPRibbonPanel* pPanel, CRect rect);
    virtual void PaintRibbonRecentFilesArea(CDC* pDC, CVrxPRibbonPanel* pPanel, CRect rect);
    virtual COLORREF PaintRibbonLabel(CDC* pDC, CVrxPBaseRibbonElement* pElement, CRect rect);
    virtual void PaintRibbonPaletteIcon(CDC* pDC, CVrxPRibbonPaletteButton* pButton);
    virtual void PaintRibbonPaletteButtonFrame(CDC* pDC, CVrxPBaseRibbonElement* pElement, CRect rect);
    virtual COLORREF QueryRibbonContextColor(int nContext);
    virtual COLORREF PaintRibbonContextTabBackground(CDC* pDC, CVrxPBaseRibbonElement* pElement);
    virtual COLORREF PaintRibbonHighlightFrame(CDC* pDC, CObject* pIgnored, CVrxPBaseRibbonElement* pElement);
    virtual void QueryRibbonSliderColors(CVrxPBaseRibbonElement* pElement, BOOL bHighlighted, BOOL bPressed,
                                         BOOL bDisabled, COLORREF* pFrame, COLORREF* pFill);
    virtual void PaintRibbonSliderZoomButton(CDC* pDC, CVrxPBaseRibbonElement* pElement, CRect rect, BOOL bMinus,
                                             BOOL bHighlighted, BOOL bPressed, BOOL bDisabled);
    virtual void PaintRibbonSliderChannel(CDC* pDC, CVrxPBaseRibbonElement* pElement, CRect rect);
    virtual void PaintRibbonSliderThumb(CDC* pDC, CVrxPBaseRibbonElement* pElement, CRect rect,
                                        BOOL bHighlighted, BOOL bPressed, BOOL bDisabled);
    virtual void PaintRibbonProgressBar(CDC* pDC, CVrxPBaseRibbonElement* pElement, CRect rectBar,
                                        CRect rectProgress, BOOL bFlag);
    virtual void PaintRibbonPanelMenuBackground(CDC* pDC, CVrxPRibbonPanelMenuBar* pMenuBar, CRect rect);
    virtual int QueryRibbonPanelMenuBorderSize(CVrxPPopupMenu* pMenu);
    virtual void PaintRibbonSeparator(CDC* pDC, CVrxPRibbonSeparator* pSeparator, CRect rect);
    virtual BOOL PaintRibbonCaptionText(CDC* pDC, CString strText, CRect rect, UINT nFormat, int nGlowSize,
                                        COLORREF colorText);

    // The rest.
    virtual BOOL PaintClientAreaBackground(CDC* pDC, CRect rectClient);
    // Fills the whole record for tooltips of a kind (-1: any kind).
    virtual BOOL QueryToolTipOptions(CVrxPToolTipOptions* pOptions, int nKind);
    virtual int QueryMenuTextMargin();
    virtual int QueryMenuOffset();
    virtual BOOL OffersLook2000Option();
    virtual int QueryCustomizeButtonMargin();
    virtual BOOL ShiftsPressedButton();
    virtual BOOL ConnectsMenuToButton();
    virtual int QueryMenuBorderSize();
    virtual int QueryShowAllButtonHeight(int nIgnored1, int nIgnored2);
    virtual void PaintShowAllButton(CDC* pDC, CRect rect, int nIgnored);

    // Single-line grippers and flat caption buttons.
    BOOL look2000;
    int menuShadeDepth;
    BOOL flatButtons;
    // A hot image is drawn over its own shade: image lists build drop-shade
    // images for it.
    BOOL shadeHotImages;
    // Disabled images are drawn embossed, in the light-edge colour one pixel
    // down and right first.
    BOOL embossDisabled;
    BOOL fadeInactiveImages;
    BOOL halftoneCheckedButtons;
    BOOL markCheckedMenuImages;
    BOOL temporary;
    int taskPaneMarginV;
    int taskPaneMarginH;
    int taskGroupSpacing;
    int taskGroupCaptionHeight;
    int taskCaptionIndentH;
    int taskCaptionIndentV;
    int taskIndentH;
    int taskIconTextGap;
    int taskSpareMetric;
    BOOL spareFlag;
    // A top-level popup menu joins the button that opened it.
    BOOL connectMenuToButton;
    int menuBorderSize;
    BOOL fillPlainTabs;
    BOOL tabDarkEdge;
    COLORREF ribbonShadeColor;
    COLORREF plannerHighlightColor;
    COLORREF plannerGridColor;
    CBrush plannerPatternBrush;
    DATE plannerDrawDate;
    BOOL plannerDrawFlag;
    // Set by the accessor for the manager it creates.
    BOOL autoDelete;
};
