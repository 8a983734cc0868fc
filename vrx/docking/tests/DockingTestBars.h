#pragma once

// What the docking tests dock: a bar of a fixed size like a toolbar's, and a
// library frame that stays with the test.

#include "docking/CVrxPControlBar.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"

#include <ostream>

inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

// A window's place in the frame's client coordinates.
inline CRect RectInClient(HWND hWnd, const CWnd& frame)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    frame.ScreenToClient(&rect);
    return rect;
}

// Its length along the edge and its thickness across it; it shrinks down to
// minimumLength.
class ToolbarLikeBar : public CVrxPControlBar
{
public:
    ToolbarLikeBar(int nLength = 100, int nThickness = 26, int nMinimum = 40)
        : length(nLength), thickness(nThickness), minimumLength(nMinimum)
    {
    }

    CSize CalcBarSize(BOOL, BOOL bHorizontal) override
    {
        return bHorizontal ? CSize(length, thickness) : CSize(thickness, length);
    }
    CSize GetMinimumSize() const override
    {
        return IsAlignedHorizontally() ? CSize(minimumLength, thickness) : CSize(thickness, minimumLength);
    }

    // A floating, dockable bar of the frame, docking on every side.
    BOOL CreateIn(CWnd* pParent, UINT nId)
    {
        if (!Create(nullptr, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, length, thickness), pParent, nId,
                    flagFloat | flagDockable))
            return FALSE;
        AllowDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }

    int length;
    int thickness;
    int minimumLength;
};

class DockingTestFrame : public CVrxPMDIFrameWnd
{
public:
    // A visible frame whose client area is clientWidth x clientHeight, with
    // the four dock bars.
    BOOL CreateWithClient(int nClientWidth, int nClientHeight)
    {
        if (!Create(nullptr, "docking", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 640, 540)))
            return FALSE;
        SetClientSize(nClientWidth, nClientHeight);
        AllowDockingSides(CBRS_ALIGN_ANY);
        return TRUE;
    }
    void SetClientSize(int nClientWidth, int nClientHeight)
    {
        CRect rectWindow;
        GetWindowRect(&rectWindow);
        CRect rectClient;
        GetClientRect(&rectClient);
        SetWindowPos(nullptr, 0, 0, nClientWidth + rectWindow.Width() - rectClient.Width(),
                     nClientHeight + rectWindow.Height() - rectClient.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

protected:
    void PostNcDestroy() override {}
};
