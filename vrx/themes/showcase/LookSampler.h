#pragma once

// A window that shows the current look's drawing of the elements that have
// no window of their own yet (grippers, captions and their buttons, the
// caption bar, check boxes, spin buttons, toolbar buttons, tabs of every
// style, progress, headers, menus, mini-frame borders, calculator and
// browse buttons, the tasks pane and the outlook bar), at fixed places that
// a check can probe. Where the look answers a text colour, the cell shows
// a text in it.

#include "strings/CRect.h"
#include "windows/CWnd.h"

class CDC;

class LookSampler : public CWnd
{
public:
    static constexpr int width = 720;
    static constexpr int height = 440;
    // Where some samples lie, in the sampler's client coordinates.
    static CRect GripperRect() { return CRect(10, 10, 20, 50); }
    static CRect CheckBoxRect(int nState) { return CRect(30 + 24 * nState, 60, 45 + 24 * nState, 75); }
    static CRect SpinRect() { return CRect(110, 58, 125, 78); }
    static CRect ProgressRect() { return CRect(300, 60, 500, 76); }
    static CRect CaptionBarRect() { return CRect(310, 10, 500, 28); }
    static CRect TabAreaRect() { return CRect(10, 110, 330, 130); }
    static CRect TasksPaneRect() { return CRect(530, 110, 710, 320); }
    static CRect OutlookPaneRect() { return CRect(10, 330, 170, 430); }
    static CRect OutlookSplitterRect() { return CRect(10, 402, 170, 410); }
    static CRect CustomizeRowRect() { return CRect(180, 356, 340, 374); }

    BOOL Create(CWnd* pParent, const CRect& rect);
    // Everything, into any DC.
    static void PaintSamples(CDC* pDC);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
