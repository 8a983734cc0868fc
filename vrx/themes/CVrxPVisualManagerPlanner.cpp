// The planner's slots of the interface. The base look's planner drawing
// comes with the planner; until then the painting slots draw nothing and
// the queries give the base look's values.

#include "themes/CVrxPVisualManager.h"

#include "foundation/CVrxPGlobals.h"

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);
}

COLORREF CVrxPVisualManager::PaintPlannerBackground(CDC*, CVrxPPlannerView*, CRect, BOOL, BOOL, BOOL)
{
    return kNone;
}

void CVrxPVisualManager::PaintPlannerCaption(CDC*, CVrxPPlannerView*, CRect, CString&, COLORREF, int, BOOL)
{
}

void CVrxPVisualManager::PaintPlannerTimeArea(CDC*, CVrxPPlannerView*, CRect, BOOL)
{
}

COLORREF CVrxPVisualManager::QueryAppointmentColors(CVrxPPlannerView*, BOOL, BOOL, UINT, COLORREF*, COLORREF*,
                                                    COLORREF*, COLORREF*, COLORREF*)
{
    return kNone;
}

COLORREF CVrxPVisualManager::QueryPlannerGridColor(CVrxPPlannerView*, int, int)
{
    return plannerGridColor;
}

COLORREF CVrxPVisualManager::PaintPlannerDayCaption(CDC*, CVrxPPlannerView*, CRect, COLORREF*)
{
    return kNone;
}

void CVrxPVisualManager::PaintPlannerHeaderBar(CDC*, CVrxPPlannerView*, CRect)
{
}

int CVrxPVisualManager::QueryPlannerOffset()
{
    return 0;
}

COLORREF CVrxPVisualManager::QueryPlannerHighlightColor()
{
    return plannerHighlightColor;
}

void CVrxPVisualManager::PaintPlannerDayHeader(CDC*, CVrxPPlannerView*, CRect)
{
}

void CVrxPVisualManager::PaintPlannerDayHeaderBorder(CDC*, CVrxPPlannerView*, CRect)
{
}

void CVrxPVisualManager::PaintPlannerShadowArea(CDC*, CVrxPPlannerView*, CRect)
{
}

BOOL CVrxPVisualManager::PaintPlannerCellBackground(CDC*, CVrxPPlannerView*, CRect, BOOL, BOOL)
{
    return FALSE;
}

COLORREF CVrxPVisualManager::QueryPlannerSelectionColor(CVrxPPlannerView*)
{
    return VrxPGlobals().colorSelection;
}

COLORREF CVrxPVisualManager::QueryPlannerFrameColor(CVrxPPlannerView*)
{
    return VrxPGlobals().colorWindowFrame;
}

// The base look draws every date alike.
void CVrxPVisualManager::SetPlannerDrawDate(DATE)
{
    plannerDrawDate = 0;
}

void CVrxPVisualManager::SetPlannerDrawFlag(BOOL bFlag)
{
    plannerDrawFlag = bFlag;
}
