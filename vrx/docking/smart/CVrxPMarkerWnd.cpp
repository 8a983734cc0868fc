#include "docking/smart/CVrxPMarkerWnd.h"

#include "app/AfxRegisterWndClass.h"
#include "docking/VrxPBarStyles.h"
#include "docking/smart/CVrxPSmartDockingLayout.h"
#include "gdi/CPaintDC.h"
#include "themes/CVrxPVisualManager.h"

namespace
{
const COLORREF kFace = RGB(0xF8, 0xF8, 0xF8);
const COLORREF kArrow = RGB(47, 103, 190);
const COLORREF kDisabled = RGB(0xB0, 0xB0, 0xB0);
const COLORREF kShadeFirst = RGB(0xC6, 0xC6, 0xC6);
const COLORREF kShadeSecond = RGB(0xCE, 0xCE, 0xCE);

void Fill(HDC hDC, const RECT& rect, COLORREF color)
{
    ::SetBkColor(hDC, color);
    ::ExtTextOut(hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void Frame(HDC hDC, const RECT& rect, COLORREF color)
{
    Fill(hDC, RECT{rect.left, rect.top, rect.right, rect.top + 1}, color);
    Fill(hDC, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
    Fill(hDC, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, color);
    Fill(hDC, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void Triangle(HDC hDC, const POINT (&points)[3], COLORREF color)
{
    const HBRUSH hBrush = ::CreateSolidBrush(color);
    const HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
    const HGDIOBJ hOldPen = ::SelectObject(hDC, ::GetStockObject(NULL_PEN));
    ::Polygon(hDC, points, 3);
    ::SelectObject(hDC, hOldPen);
    ::SelectObject(hDC, hOldBrush);
    ::DeleteObject(hBrush);
}
} // namespace

BEGIN_MESSAGE_MAP(CVrxPMarkerWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

BOOL CVrxPMarkerWnd::Create(int nMarker, CWnd* pFrame)
{
    m_nMarker = nMarker;
    const SIZE size = CVrxPSmartDockingLayout::ImageSize(nMarker);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS | CS_OWNDC, ::LoadCursor(NULL, IDC_ARROW));
    return CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, lpszClass, "", WS_POPUP, CRect(0, 0, size.cx, size.cy), pFrame,
                    0);
}

void CVrxPMarkerWnd::SetHighlight(BOOL bOn)
{
    if (bOn == m_bHighlighted)
        return;
    m_bHighlighted = bOn;
    if (m_hWnd != NULL)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CVrxPMarkerWnd::PaintMarker(HDC hDC, const RECT& box, int nMarker, BOOL bHighlighted, BOOL bEnabled)
{
    COLORREF colorFrame = bHighlighted ? highlightColor : kDisabled;
    COLORREF colorShade = 0;
    if (!bHighlighted && CVrxPVisualManager::Instance() != nullptr)
        CVrxPVisualManager::Instance()->QuerySmartDockingColors(colorFrame, colorShade);
    Fill(hDC, box, kFace);
    Frame(hDC, box, colorFrame);
    const DWORD dwSide = CVrxPSmartDockingLayout::SideOf(nMarker);
    // The shade lines run along the arrow, at the top for left and right.
    const BOOL bAcross = dwSide == CBRS_ALIGN_LEFT || dwSide == CBRS_ALIGN_RIGHT;
    if (bAcross)
    {
        Fill(hDC, RECT{box.left + 1, box.top + 1, box.right - 1, box.top + 2}, kShadeFirst);
        Fill(hDC, RECT{box.left + 1, box.top + 3, box.right - 1, box.top + 4}, kShadeSecond);
    }
    else
    {
        Fill(hDC, RECT{box.left + 1, box.top + 1, box.left + 2, box.bottom - 1}, kShadeFirst);
        Fill(hDC, RECT{box.left + 3, box.top + 1, box.left + 4, box.bottom - 1}, kShadeSecond);
    }
    const COLORREF colorArrow = bEnabled ? kArrow : kDisabled;
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    switch (dwSide)
    {
    case CBRS_ALIGN_LEFT:
        Fill(hDC, RECT{box.left + 4, box.top + 6, box.left + 9, box.bottom - 5}, colorArrow);
        Triangle(hDC, {POINT{box.left + 11, cy}, POINT{box.right - 6, cy - 7}, POINT{box.right - 6, cy + 7}},
                 colorArrow);
        break;
    case CBRS_ALIGN_RIGHT:
        Fill(hDC, RECT{box.right - 9, box.top + 6, box.right - 4, box.bottom - 5}, colorArrow);
        Triangle(hDC, {POINT{box.right - 11, cy}, POINT{box.left + 6, cy - 7}, POINT{box.left + 6, cy + 7}},
                 colorArrow);
        break;
    case CBRS_ALIGN_TOP:
        Fill(hDC, RECT{box.left + 6, box.top + 4, box.right - 5, box.top + 9}, colorArrow);
        Triangle(hDC, {POINT{cx, box.top + 11}, POINT{cx - 7, box.bottom - 6}, POINT{cx + 7, box.bottom - 6}},
                 colorArrow);
        break;
    case CBRS_ALIGN_BOTTOM:
        Fill(hDC, RECT{box.left + 6, box.bottom - 9, box.right - 5, box.bottom - 4}, colorArrow);
        Triangle(hDC, {POINT{cx, box.bottom - 11}, POINT{cx - 7, box.top + 6}, POINT{cx + 7, box.top + 6}},
                 colorArrow);
        break;
    default:
        // A pane with a tab below it: join the tabs.
        Fill(hDC, RECT{box.left + 5, box.top + 5, box.right - 5, box.bottom - 9}, colorArrow);
        Fill(hDC, RECT{box.left + 7, box.bottom - 9, box.left + 14, box.bottom - 5}, colorArrow);
        break;
    }
}

void CVrxPMarkerWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    PaintMarker(dc.GetSafeHdc(), rect, m_nMarker, m_bHighlighted, TRUE);
}

BOOL CVrxPMarkerWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CVrxPMarkerWnd::OnClose()
{
}
