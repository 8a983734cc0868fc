#include "DemoStatusBar.h"

#include "app/AfxRegisterWndClass.h"
#include "frames/CFrameWnd.h"
#include "gdi/CPaintDC.h"

BEGIN_MESSAGE_MAP(CDemoStatusBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
const int kTextMargin = 4;
} // namespace

BOOL CDemoStatusBar::Create(CWnd* pParentWnd)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, lpszClass, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParentWnd, AFX_IDW_STATUS_BAR);
}

int CDemoStatusBar::Height() const
{
    TEXTMETRIC tm;
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::GetTextMetrics(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    return tm.tmHeight + 2 * kTextMargin;
}

LRESULT CDemoStatusBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    int nHeight = Height();
    CRect rect = pLayout->rect;
    rect.top = rect.bottom - nHeight;
    if (pLayout->hDWP != NULL)
        pLayout->hDWP = ::DeferWindowPos(pLayout->hDWP, m_hWnd, NULL, rect.left, rect.top, rect.Width(),
                                         rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    pLayout->rect.bottom -= nHeight;
    return 0;
}

LRESULT CDemoStatusBar::OnSetText(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    Invalidate();
    return lResult;
}

void CDemoStatusBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    rect.DeflateRect(2, 2);
    dc.Draw3dRect(&rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    rect.DeflateRect(kTextMargin, 0);
    CString strText;
    GetWindowText(strText);
    dc.SelectStockObject(DEFAULT_GUI_FONT);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    dc.DrawText(strText, &rect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}
