#include "ole/COleDropSource.h"

#include "windows/CWnd.h"

COleDropSource::COleDropSource() : m_source(this)
{
}

COleDropSource::~COleDropSource() = default;

// Messages other than the mouse's and Escape go on being dispatched, so
// timers and painting run while the mouse is held.
BOOL COleDropSource::OnBeginDrag(CWnd* pWnd)
{
    HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL)
        return FALSE;
    ::SetCapture(hWnd);
    BOOL bBegun = FALSE;
    for (;;)
    {
        if (::GetCapture() != hWnd)
            break;
        MSG msg;
        const BOOL bGot = ::GetMessage(&msg, NULL, 0, 0);
        if (bGot <= 0)
        {
            if (bGot == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_MOUSEMOVE)
        {
            if (!m_rectStartDrag.PtInRect(msg.pt))
            {
                bBegun = TRUE;
                break;
            }
            continue;
        }
        if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP || msg.message == WM_CANCELMODE)
            break;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            break;
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    return bBegun;
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed)
        return DRAGDROP_S_CANCEL;
    if ((dwKeyState & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0)
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

STDMETHODIMP COleDropSource::Source::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IDropSource)
    {
        *ppv = static_cast<IDropSource*>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP COleDropSource::Source::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    return owner->QueryContinueDrag(bEscapePressed, dwKeyState);
}

STDMETHODIMP COleDropSource::Source::GiveFeedback(DWORD dwEffect)
{
    return owner->GiveFeedback(dwEffect);
}
