// The ribbon's slots of the interface. The base look's ribbon drawing
// comes with the ribbon; until then the painting slots draw nothing, the
// colour answers are -1 (the caller's default) and the metric queries give
// the base look's values.

#include "themes/CVrxPVisualManager.h"

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);
}

COLORREF CVrxPVisualManager::PaintRibbonCategorySeparator(CDC*, CObject*, int, int, int, int)
{
    return kNone;
}

void CVrxPVisualManager::PaintRibbonMainButton(CDC*, CVrxPRibbonButton*)
{
}

void CVrxPVisualManager::PaintRibbonCategoryBackground(CDC*, CVrxPRibbonCategory*, CRect)
{
}

COLORREF CVrxPVisualManager::PaintRibbonCategoryTab(CDC*, CVrxPRibbonTab*, BOOL)
{
    return kNone;
}

COLORREF CVrxPVisualManager::PaintRibbonPanel(CDC*, CVrxPRibbonPanel*, CRect, CRect)
{
    return kNone;
}

void CVrxPVisualManager::PaintRibbonPanelCaption(CDC*, CVrxPRibbonPanel*, CRect)
{
}

void CVrxPVisualManager::PaintRibbonLaunchButton(CDC*, CVrxPBaseRibbonElement*, CVrxPRibbonPanel*)
{
}

void CVrxPVisualManager::PaintRibbonDefaultPanelButton(CDC*, CVrxPBaseRibbonElement*)
{
}

void CVrxPVisualManager::PaintRibbonDefaultPanelArrow(CDC*, CVrxPBaseRibbonElement*, CRect, int, int)
{
}

COLORREF CVrxPVisualManager::PaintRibbonButtonFace(CDC*, CVrxPBaseRibbonElement*)
{
    return kNone;
}

void CVrxPVisualManager::PaintRibbonEdit(CDC*, CVrxPRibbonEdit*, CRect, BOOL, BOOL, BOOL, int, int, int)
{
}

void CVrxPVisualManager::PaintRibbonButtonFrame(CDC*, CVrxPBaseRibbonElement*)
{
}

void CVrxPVisualManager::PaintRibbonButtonInset(CDC*, CVrxPBaseRibbonElement*, CRect)
{
}

COLORREF CVrxPVisualManager::PaintRibbonSubItemFace(CDC* pDC, CVrxPBaseRibbonElement* pElement)
{
    return PaintRibbonButtonFace(pDC, pElement);
}

void CVrxPVisualManager::PaintRibbonSubItemFrame(CDC* pDC, CVrxPBaseRibbonElement* pElement)
{
    PaintRibbonButtonFrame(pDC, pElement);
}

void CVrxPVisualManager::PaintRibbonCaption(CDC*, CVrxPRibbonBar*, CRect, CRect)
{
}

int CVrxPVisualManager::QueryQuickAccessOffset()
{
    return 0;
}

int CVrxPVisualManager::QueryQuickAccessTopAdjust()
{
    return 0;
}

void CVrxPVisualManager::PaintRibbonCaptionButton(CDC*, CVrxPRibbonCaptionButton*)
{
}

COLORREF CVrxPVisualManager::PaintRibbonButtonGroupFrame(CDC*, CVrxPRibbonButtonsGroup*, CRect)
{
    return kNone;
}

void CVrxPVisualManager::PaintRibbonDefaultImage(CDC*, CRect, BOOL, int, int)
{
}

void CVrxPVisualManager::PaintRibbonMainPanelFrame(CDC*, CVrxPRibbonPanel*, CRect)
{
}

void CVrxPVisualManager::PaintRibbonMainPanelBackground(CDC*, CVrxPRibbonPanel*, CRect)
{
}

void CVrxPVisualManager::PaintRibbonRecentFilesArea(CDC*, CVrxPRibbonPanel*, CRect)
{
}

COLORREF CVrxPVisualManager::PaintRibbonLabel(CDC*, CVrxPBaseRibbonElement*, CRect)
{
    return kNone;
}

void CVrxPVisualManager::PaintRibbonPaletteIcon(CDC*, CVrxPRibbonPaletteButton*)
{
}

void CVrxPVisualManager::PaintRibbonPaletteButtonFrame(CDC*, CVrxPBaseRibbonElement*, CRect)
{
}

COLORREF CVrxPVisualManager::QueryRibbonContextColor(int)
{
    return kNone;
}

COLORREF CVrxPVisualManager::PaintRibbonContextTabBackground(CDC*, CVrxPBaseRibbonElement*)
{
    return kNone;
}

COLORREF CVrxPVisualManager::PaintRibbonHighlightFrame(CDC*, CObject*, CVrxPBaseRibbonElement*)
{
    return kNone;
}

void CVrxPVisualManager::QueryRibbonSliderColors(CVrxPBaseRibbonElement*, BOOL, BOOL, BOOL, COLORREF*, COLORREF*)
{
}

void CVrxPVisualManager::PaintRibbonSliderZoomButton(CDC*, CVrxPBaseRibbonElement*, CRect, BOOL, BOOL, BOOL, BOOL)
{
}

void CVrxPVisualManager::PaintRibbonSliderChannel(CDC*, CVrxPBaseRibbonElement*, CRect)
{
}

void CVrxPVisualManager::PaintRibbonSliderThumb(CDC*, CVrxPBaseRibbonElement*, CRect, BOOL, BOOL, BOOL)
{
}

void CVrxPVisualManager::PaintRibbonProgressBar(CDC*, CVrxPBaseRibbonElement*, CRect, CRect, BOOL)
{
}

void CVrxPVisualManager::PaintRibbonPanelMenuBackground(CDC*, CVrxPRibbonPanelMenuBar*, CRect)
{
}

int CVrxPVisualManager::QueryRibbonPanelMenuBorderSize(CVrxPPopupMenu*)
{
    return menuBorderSize;
}

void CVrxPVisualManager::PaintRibbonSeparator(CDC*, CVrxPRibbonSeparator*, CRect)
{
}

BOOL CVrxPVisualManager::PaintRibbonCaptionText(CDC*, CString, CRect, UINT, int, COLORREF)
{
    return FALSE;
}
