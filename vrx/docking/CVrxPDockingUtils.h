#pragma once

// Stateless docking operations shared by bars, dock sites and floating
// frames: the bar manager of a window, side hit tests with the dock
// sensitivity, keeping a floating rectangle on screen, turning a rectangle.

#include "strings/CRect.h"

class CVrxPFrameBarManager;
class CWnd;

class CVrxPDockingUtils
{
public:
    // How close to an edge a point counts as near it.
    static constexpr int dockSensitivity = 15;

    // The bar manager of the frame the window is, or of the floating frame's
    // owner; null for anything else (a dialog sets the bars-outside-a-frame
    // flag).
    static CVrxPFrameBarManager* LocateBarManager(CWnd* pWnd);
    // The side (CBRS_ALIGN_* bit) whose band around rect holds the point:
    // bands just outside the edges (bOutside) or straddling them. Only the
    // allowed sides are tested, in the order top, left, bottom, right.
    static BOOL HitTestDockSide(CPoint point, const CRect& rect, int nSensitivity, BOOL bOutside, DWORD& dwSide,
                                DWORD dwAllowedSides, int nCaptionHeight = 0, int nTabAreaHeight = 0);
    // Moves rect so that it keeps the margins inside the work area of the
    // monitor nearest its top-left corner (or the cursor when useCursor).
    static void KeepRectOnScreen(CRect& rect, const CRect* pMargins);
    // The band of the given thickness along one side (CBRS_ALIGN_* bit) of
    // the area, which loses it.
    static CRect CutSide(CRect& rectArea, DWORD dwSide, int nThickness);
    // 90, 180 or -90 degrees; any other angle leaves the rectangle.
    static void RotateRect(CRect& rect, int nAngle);

    // Set by a dragged floating frame around each of its move steps.
    static BOOL useCursor;
};
