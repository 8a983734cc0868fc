#include "panes/colours/CVrxPPickOverlayWnd.h"

#include "app/AfxRegisterWndClass.h"

BEGIN_MESSAGE_MAP(CVrxPPickOverlayWnd, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CVrxPPickOverlayWnd::CVrxPPickOverlayWnd(CWnd* pOwner) : owner(pOwner), m_hScreen(NULL) {}

CVrxPPickOverlayWnd::~CVrxPPickOverlayWnd()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
    if (m_hScreen != NULL)
        ::DeleteObject(m_hScreen);
}

BOOL CVrxPPickOverlayWnd::Open(HCURSOR hCursor)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS, hCursor, ::GetSysColorBrush(COLOR_BTNFACE));
    CRect rectDesktop;
    ::GetWindowRect(::GetDesktopWindow(), &rectDesktop);
    HDC hScreen = ::GetDC(NULL);
    HDC hMemory = ::CreateCompatibleDC(hScreen);
    m_hScreen = ::CreateCompatibleBitmap(hScreen, rectDesktop.Width(), rectDesktop.Height());
    HGDIOBJ hOld = ::SelectObject(hMemory, m_hScreen);
    ::BitBlt(hMemory, 0, 0, rectDesktop.Width(), rectDesktop.Height(), hScreen, rectDesktop.left, rectDesktop.top,
             SRCCOPY);
    ::SelectObject(hMemory, hOld);
    ::DeleteDC(hMemory);
    ::ReleaseDC(NULL, hScreen);
    // Taking activation would cancel the dialog's mouse capture.
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, lpszClass, "", WS_POPUP, rectDesktop, nullptr, 0))
        return FALSE;
    ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

BOOL CVrxPPickOverlayWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CVrxPPickOverlayWnd::OnPaint()
{
    PAINTSTRUCT paint;
    HDC hDC = ::BeginPaint(m_hWnd, &paint);
    HDC hMemory = ::CreateCompatibleDC(hDC);
    HGDIOBJ hOld = ::SelectObject(hMemory, m_hScreen);
    const RECT& rect = paint.rcPaint;
    ::BitBlt(hDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, hMemory, rect.left, rect.top,
             SRCCOPY);
    ::SelectObject(hMemory, hOld);
    ::DeleteDC(hMemory);
    ::EndPaint(m_hWnd, &paint);
}

void CVrxPPickOverlayWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    Forward(WM_MOUSEMOVE, nFlags, point);
}

void CVrxPPickOverlayWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    Forward(WM_LBUTTONDOWN, nFlags, point);
}

void CVrxPPickOverlayWnd::Forward(UINT nMessage, UINT nFlags, CPoint point)
{
    if (owner == nullptr || owner->GetSafeHwnd() == NULL)
        return;
    MapWindowPoints(owner, &point, 1);
    owner->SendMessage(nMessage, nFlags, MAKELPARAM(point.x, point.y));
}
