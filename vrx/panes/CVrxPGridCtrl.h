#pragma once

// What a data grid must tell the looks to be drawn by them. The library
// carries no grid of its own; a grid control derives from this and keeps
// its display settings here.

#include "windows/CWnd.h"

class CVrxPGridCtrl : public CWnd
{
public:
    BOOL useBarColors = FALSE;
    // Selections use the system selection colours.
    BOOL highlightWholeSelection = FALSE;
    BOOL greyedHeaderText = FALSE;
    // The colour of a coloured item.
    COLORREF customItemColor = RGB(255, 255, 255);
    // -1: the window colour.
    COLORREF customBackColor = static_cast<COLORREF>(-1);
};
