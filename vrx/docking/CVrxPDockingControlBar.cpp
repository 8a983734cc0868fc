#include "docking/CVrxPDockingControlBar.h"

#include "app/AfxRegisterWndClass.h"
#include "frames/CFrameWnd.h"
#include "windows/FrameworkMessages.h"

IMPLEMENT_DYNAMIC(CVrxPDockingControlBar, CWnd)

BEGIN_MESSAGE_MAP(CVrxPDockingControlBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace
{
// The strip above the caption that the mouse drags to resize the pane.
const int kSizingEdge = 4;
const int kCaptionMargin = 3;
} // namespace

CVrxPDockingControlBar::CVrxPDockingControlBar()
    : m_dwBarStyle(0), m_dwDockingSides(0), m_bDocked(FALSE), m_nHeight(0), m_nDragStartY(-1), m_nDragStartHeight(0)
{
}

BOOL CVrxPDockingControlBar::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, BOOL, UINT nID,
                                    DWORD dwStyle, DWORD, DWORD)
{
    m_strCaption = lpszCaption;
    m_dwBarStyle = dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC);
    m_nHeight = sizeDefault.cy < minimumHeight ? minimumHeight : sizeDefault.cy;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    DWORD dwWindowStyle = (dwStyle & (WS_CHILD | WS_VISIBLE)) | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    return CreateEx(0, lpszClass, lpszCaption, dwWindowStyle, CRect(0, 0, sizeDefault.cx, m_nHeight), pParentWnd,
                    nID);
}

void CVrxPDockingControlBar::SetHeight(int nHeight)
{
    m_nHeight = nHeight < minimumHeight ? minimumHeight : nHeight;
    RelayoutFrame();
}

void CVrxPDockingControlBar::RelayoutFrame()
{
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(GetParent());
    if (pFrame != nullptr)
        pFrame->RecalcLayout();
}

int CVrxPDockingControlBar::CaptionHeight() const
{
    TEXTMETRIC tm;
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::GetTextMetrics(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    return tm.tmHeight + 2 * kCaptionMargin;
}

LRESULT CVrxPDockingControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    if (!m_bDocked || (GetStyle() & WS_VISIBLE) == 0)
        return 0;
    AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    CRect rect = pLayout->rect;
    // Never more than the frame leaves, so the MDI area keeps a little room.
    int nHeight = m_nHeight;
    if (nHeight > rect.Height() - minimumHeight)
        nHeight = rect.Height() - minimumHeight;
    if (nHeight < 0)
        nHeight = 0;
    rect.top = rect.bottom - nHeight;
    if (pLayout->hDWP != NULL)
        pLayout->hDWP = ::DeferWindowPos(pLayout->hDWP, m_hWnd, NULL, rect.left, rect.top, rect.Width(),
                                         rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    pLayout->rect.bottom -= nHeight;
    return 0;
}

void CVrxPDockingControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rect = lpncsp->rgrc[0];
    rect.top += kSizingEdge + CaptionHeight();
    if (rect.top > rect.bottom)
        rect.top = rect.bottom;
}

void CVrxPDockingControlBar::OnNcPaint()
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    HDC hDC = ::GetWindowDC(m_hWnd);
    int nCaption = CaptionHeight();

    CRect rectEdge(0, 0, rectWindow.right, kSizingEdge);
    ::FillRect(hDC, &rectEdge, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawEdge(hDC, &rectEdge, EDGE_RAISED, BF_TOP);

    CRect rectCaption(0, kSizingEdge, rectWindow.right, kSizingEdge + nCaption);
    ::FillRect(hDC, &rectCaption, ::GetSysColorBrush(COLOR_INACTIVECAPTION));
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ::GetSysColor(COLOR_INACTIVECAPTIONTEXT));
    CRect rectText = rectCaption;
    rectText.left += 2 * kCaptionMargin;
    ::DrawText(hDC, m_strCaption, -1, &rectText, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
}

LRESULT CVrxPDockingControlBar::OnNcHitTest(CPoint point)
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (point.y >= rectWindow.top && point.y < rectWindow.top + kSizingEdge)
        return HTTOP;
    if (point.y < rectWindow.top + kSizingEdge + CaptionHeight())
        return HTCAPTION;
    return HTCLIENT;
}

BOOL CVrxPDockingControlBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTTOP)
    {
        ::SetCursor(::LoadCursor(NULL, IDC_SIZENS));
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CVrxPDockingControlBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    // Moving a docked pane by its caption belongs to full docking; a click
    // on the caption does nothing here.
    if (nHitTest != HTTOP)
        return;
    m_nDragStartY = point.y;
    m_nDragStartHeight = m_nHeight;
    SetCapture();
}

void CVrxPDockingControlBar::OnMouseMove(UINT, CPoint point)
{
    if (m_nDragStartY < 0)
        return;
    ClientToScreen(&point);
    SetHeight(m_nDragStartHeight + (m_nDragStartY - point.y));
}

void CVrxPDockingControlBar::OnLButtonUp(UINT, CPoint)
{
    if (m_nDragStartY < 0)
        return;
    m_nDragStartY = -1;
    ::ReleaseCapture();
}
