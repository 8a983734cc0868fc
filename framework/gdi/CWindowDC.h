#pragma once

#include "gdi/CDC.h"

// The DC of a whole window, frame included (the screen for NULL), released
// on destruction. Throws CResourceException when none can be had.
class FRAMEWORK_API CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)

public:
    explicit CWindowDC(HWND hWnd);
    // A window object: a CWnd, or anything with GetSafeHwnd; NULL means the
    // screen.
    template <class TWnd>
    explicit CWindowDC(TWnd* pWnd) : CWindowDC(pWnd != nullptr ? pWnd->GetSafeHwnd() : HWND(nullptr))
    {
    }
    ~CWindowDC() override;

    HWND m_hWnd;
};
