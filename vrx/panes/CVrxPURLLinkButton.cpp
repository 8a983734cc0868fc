#include "panes/CVrxPURLLinkButton.h"

#include "foundation/CVrxPGlobals.h"
#include "gdi/CPaintDC.h"

#include <shellapi.h>

IMPLEMENT_DYNAMIC(CVrxPURLLinkButton, CWnd)

BEGIN_MESSAGE_MAP(CVrxPURLLinkButton, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

CVrxPURLLinkButton::CVrxPURLLinkButton()
    : multiLine(FALSE), alwaysUnderlined(TRUE), commandMode(FALSE), mouseInside(FALSE), m_bTrackingLeave(FALSE)
{
}

CString CVrxPURLLinkButton::BuildShellTarget() const
{
    CString target = m_strTarget;
    if (target.IsEmpty() && m_hWnd != NULL)
        GetWindowText(target);
    return m_strPrefix + target;
}

HFONT CVrxPURLLinkButton::LinkFont() const
{
    if (alwaysUnderlined || mouseInside)
        return static_cast<HFONT>(VrxPGlobals().fontGuiUnderline.GetSafeHandle());
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0));
    return hFont != NULL ? hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

BOOL CVrxPURLLinkButton::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// The parent's background shows through: the parent paints it as it does
// for its static controls.
void CVrxPURLLinkButton::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    HBRUSH hBrush = reinterpret_cast<HBRUSH>(::SendMessage(::GetParent(m_hWnd), WM_CTLCOLORSTATIC,
                                                           reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                                           reinterpret_cast<LPARAM>(m_hWnd)));
    ::FillRect(dc.GetSafeHdc(), &rect, hBrush != NULL ? hBrush : ::GetSysColorBrush(COLOR_BTNFACE));
    CString text;
    GetWindowText(text);
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), LinkFont());
    dc.SetBkMode(TRANSPARENT);
    const BOOL bEnabled = IsWindowEnabled();
    dc.SetTextColor(!bEnabled ? VrxPGlobals().colorGrayText
                              : (mouseInside ? VrxPGlobals().colorLinkHot : VrxPGlobals().colorLink));
    ::DrawText(dc.GetSafeHdc(), text, -1, &rect, multiLine ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
    if (::GetFocus() == m_hWnd)
        ::DrawFocusRect(dc.GetSafeHdc(), &rect);
}

BOOL CVrxPURLLinkButton::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (VrxPGlobals().cursorHand == NULL)
        VrxPGlobals().cursorHand = ::LoadCursor(NULL, IDC_HAND);
    if (nHitTest != HTCLIENT || VrxPGlobals().cursorHand == NULL)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(VrxPGlobals().cursorHand);
    return TRUE;
}

void CVrxPURLLinkButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTrackingLeave)
    {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, 0};
        m_bTrackingLeave = ::TrackMouseEvent(&track);
    }
    if (!mouseInside)
    {
        mouseInside = TRUE;
        Invalidate();
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CVrxPURLLinkButton::OnMouseLeave()
{
    m_bTrackingLeave = FALSE;
    mouseInside = FALSE;
    Invalidate();
}

// The link opens in a normal window, and a target the shell cannot open is
// heard rather than ignored.
BOOL CVrxPURLLinkButton::OnClicked()
{
    if (!IsWindowEnabled())
        return TRUE;
    if (!commandMode)
    {
        HCURSOR hOldCursor = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
        const INT_PTR nResult = reinterpret_cast<INT_PTR>(
            ::ShellExecuteA(NULL, NULL, BuildShellTarget(), NULL, NULL, SW_SHOWNORMAL));
        ::SetCursor(hOldCursor);
        if (nResult <= shellFailureLimit)
            ::MessageBeep(MB_ICONEXCLAMATION);
    }
    mouseInside = FALSE;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return !commandMode;
}

BOOL CVrxPURLLinkButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == m_hWnd && (pMsg->wParam == VK_SPACE || pMsg->wParam == VK_RETURN))
    {
        if (pMsg->message == WM_KEYDOWN)
            return TRUE;
        if (pMsg->message == WM_KEYUP)
        {
            if (pMsg->wParam == VK_RETURN && !OnClicked())
                GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED),
                                         reinterpret_cast<LPARAM>(m_hWnd));
            return TRUE;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

CSize CVrxPURLLinkButton::FitToText(BOOL bVerticalCentre, BOOL bHorizontalCentre)
{
    CRect rectText;
    GetClientRect(&rectText);
    CString text;
    GetWindowText(text);
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, VrxPGlobals().fontGuiUnderline.GetSafeHandle());
    ::DrawText(hDC, text, -1, &rectText, DT_SINGLELINE | DT_CALCRECT);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    rectText.InflateRect(fitMargin, fitMargin);
    const CSize size(rectText.Width(), rectText.Height());
    if (!bVerticalCentre && !bHorizontalCentre)
    {
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return size;
    }
    CRect rectOld;
    GetWindowRect(&rectOld);
    GetParent()->ScreenToClient(&rectOld);
    const int x = bHorizontalCentre ? rectOld.left + (rectOld.Width() - size.cx) / 2 : rectOld.left;
    const int y = bVerticalCentre ? rectOld.top + (rectOld.Height() - size.cy) / 2 : rectOld.top;
    SetWindowPos(nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}
