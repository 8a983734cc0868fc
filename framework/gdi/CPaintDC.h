#pragma once

#include "gdi/CDC.h"

// The DC of a WM_PAINT handler: BeginPaint on construction, EndPaint on
// destruction. Throws CResourceException when BeginPaint fails.
class FRAMEWORK_API CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)

public:
    explicit CPaintDC(HWND hWnd);
    // A window object: a CWnd, or anything with GetSafeHwnd.
    template <class TWnd>
    explicit CPaintDC(TWnd* pWnd) : CPaintDC(pWnd->GetSafeHwnd())
    {
    }
    ~CPaintDC() override;

    HWND m_hWnd;
    PAINTSTRUCT m_ps;
};
