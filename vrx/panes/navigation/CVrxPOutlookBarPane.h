#pragma once

// One page of the outlook bar, in its first form: the pane of outlook
// buttons and its own background, a solid colour or a tiled image.

#include "strings/CRect.h"
#include "windows/CWnd.h"

class CDC;

class CVrxPOutlookBarPane : public CWnd
{
public:
    // The image (when set) tiled from the rectangle's top-left corner, else
    // the background colour.
    void PaintBackground(CDC* pDC, const CRect& rect) const;

    COLORREF backColor = RGB(128, 128, 128);
    // Not owned.
    HBITMAP backImage = NULL;
};
