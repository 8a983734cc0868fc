#pragma once

#include "gdi/CDC.h"

// The client-area DC of a window (the screen for NULL), released on
// destruction. Throws CResourceException when none can be had.
class FRAMEWORK_API CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)

public:
    explicit CClientDC(HWND hWnd);
    // A window object: a CWnd, or anything with GetSafeHwnd; NULL means the
    // screen.
    template <class TWnd>
    explicit CClientDC(TWnd* pWnd) : CClientDC(pWnd != nullptr ? pWnd->GetSafeHwnd() : HWND(nullptr))
    {
    }
    ~CClientDC() override;

    HWND m_hWnd;
};
