#pragma once

// The non-client work of a toolbar: the borders and gripper kept out of its
// client area, where the gripper lies, and their painting in the current
// look. Every bar derived from the toolbar embeds one.

#include "strings/CRect.h"

#include <windows.h>

class CDC;
class CVrxPControlBar;

class CVrxPBarPainter
{
public:
    // Right-to-left horizontal bars with a gripper move their borders this
    // far to the left.
    static constexpr int rightToLeftGripperShift = 7;

    explicit CVrxPBarPainter(CVrxPControlBar* pBar) : m_pBar(pBar) {}
    virtual ~CVrxPBarPainter() = default;
    CVrxPBarPainter(const CVrxPBarPainter&) = delete;
    CVrxPBarPainter& operator=(const CVrxPBarPainter&) = delete;

    // The parent's background painted behind a transparent bar.
    BOOL PaintParentBackground(CDC* pDC) const;
    // The WM_NCCALCSIZE step: the client rectangle less the bar's insets.
    RECT* AdjustNonClientRect(RECT* pClient) const;
    // Empty for a bar without a dock site; otherwise the part of the window
    // before the client area, in client or window coordinates.
    void GripperRect(RECT* pOut, BOOL bClientCoordinates) const;
    // The WM_NCPAINT step; hRegion is the message's region (1: the whole
    // window).
    void PaintNonClient(HRGN hRegion) const;

private:
    CVrxPControlBar* m_pBar;
};
