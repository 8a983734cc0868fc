#include "docking/smart/CVrxPDockHighlightWnd.h"

#include "app/AfxRegisterWndClass.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CPaintDC.h"

BEGIN_MESSAGE_MAP(CVrxPDockHighlightWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

BOOL CVrxPDockHighlightWnd::Create(CWnd* pFrame)
{
    m_pFrame = pFrame;
    const CVrxPGlobals& globals = VrxPGlobals();
    m_bLayered = globals.layeredWindowsAvailable && globals.bitsPerPixel > 8;
    // Not topmost: the markers stay above it.
    DWORD dwExStyle = WS_EX_TOOLWINDOW;
    if (m_bLayered)
        dwExStyle |= WS_EX_LAYERED;
    if (!CreateEx(dwExStyle, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 0, 0), pFrame, 0))
        return FALSE;
    if (m_bLayered)
        globals.SetLayeredAttributes(m_hWnd, 0, alpha, LWA_ALPHA);
    return TRUE;
}

void CVrxPDockHighlightWnd::ShowRect(const CRect& rect)
{
    if (m_bShown && rect == m_rect)
        return;
    ShowWindow(SW_HIDE);
    m_rect = rect;
    SetWindowPos(&CWnd::wndTop, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOREDRAW);
    m_bShown = TRUE;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CVrxPDockHighlightWnd::HideHighlight()
{
    if (!m_bShown)
        return;
    ShowWindow(SW_HIDE);
    m_bShown = FALSE;
    m_rect.SetRectEmpty();
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != NULL)
        m_pFrame->UpdateWindow();
}

void CVrxPDockHighlightWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    if (m_bLayered)
    {
        dc.FillSolidRect(&rect, CVrxPPainter::ScaleColor(defaultColor, 105));
        return;
    }
    const COLORREF colorInverse = RGB(255 - GetRValue(defaultColor), 255 - GetGValue(defaultColor),
                                      255 - GetBValue(defaultColor));
    HBRUSH hBrush = ::CreateSolidBrush(CVrxPPainter::ScaleColor(colorInverse, 50));
    const HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBrush);
    dc.PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hBrush);
}

BOOL CVrxPDockHighlightWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CVrxPDockHighlightWnd::OnClose()
{
}
