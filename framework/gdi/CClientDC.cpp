#include "gdi/CClientDC.h"

#include "core/CException.h"

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CClientDC::CClientDC(HWND hWnd)
    : m_hWnd(hWnd)
{
    if (!Attach(::GetDC(m_hWnd)))
        AfxThrowResourceException();
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
