#pragma once

// One item of a colour bar: a swatch, the automatic button, the
// other-colours button, the document-colours caption or the slot that shows
// a selected colour which is none of the swatches.

#include "toolbars/CVrxPToolbarButton.h"

class CVrxPColorBar;

class CColorButton : public CVrxPToolbarButton
{
    DECLARE_SERIAL(CColorButton)
public:
    CColorButton();
    CColorButton(COLORREF colorSwatch, BOOL bAutomatic, BOOL bOther, LPCTSTR lpszText = nullptr,
                 BOOL bHighlighted = FALSE, BOOL bDocument = FALSE, BOOL bCustom = FALSE);
    // A caption.
    CColorButton(LPCTSTR lpszText, BOOL bDocument);

    BOOL IsSwatch() const { return !isAutomatic && !isOther && !isLabel; }
    // The face, frame, colour and text; bHot: the mouse or the keyboard is on
    // the item.
    void DrawItem(CDC* pDC, const CRect& rect, BOOL bHot, BOOL bPressed, BOOL bCustomizing, HPALETTE hPalette);
    // "Hex={RR,GG,BB}" for a swatch, else the item's text; empty when
    // disabled or tooltips are off.
    CString TooltipText() const;
    // Items are rebuilt from the bar's fields: none is dragged or stored alone.
    BOOL IsDraggable() const override { return FALSE; }

    COLORREF color;
    BOOL highlighted;
    BOOL isAutomatic;
    BOOL isOther;
    BOOL isLabel;
    BOOL isDocument;
    BOOL isCustom;
    CVrxPColorBar* colorBar;
};
