#include "docking/smart/CVrxPCentralGroupWnd.h"

#include "app/AfxRegisterWndClass.h"
#include "docking/smart/CVrxPMarkerWnd.h"
#include "docking/smart/CVrxPSmartDockingLayout.h"
#include "gdi/CPaintDC.h"
#include "themes/CVrxPVisualManager.h"

using Layout = CVrxPSmartDockingLayout;

namespace
{
// The diamond joined with every marker's box: clicks and paint outside it
// go to what lies below.
HRGN MakeGroupRegion()
{
    POINT corners[4];
    Layout::Diamond(corners);
    HRGN hRegion = ::CreatePolygonRgn(corners, 4, WINDING);
    for (int nMarker = Layout::centralLeft; nMarker <= Layout::centre; ++nMarker)
    {
        const RECT box = Layout::CentralMarkerBox(nMarker);
        HRGN hBox = ::CreateRectRgnIndirect(&box);
        ::CombineRgn(hRegion, hRegion, hBox, RGN_OR);
        ::DeleteObject(hBox);
    }
    return hRegion;
}
} // namespace

BEGIN_MESSAGE_MAP(CVrxPCentralGroupWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

BOOL CVrxPCentralGroupWnd::Create(CWnd* pFrame)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS | CS_OWNDC);
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, lpszClass, "", WS_POPUP,
                  CRect(0, 0, Layout::groupWidth, Layout::groupHeight), pFrame, 0))
        return FALSE;
    // The window owns the region from here on.
    ::SetWindowRgn(m_hWnd, MakeGroupRegion(), FALSE);
    return TRUE;
}

void CVrxPCentralGroupWnd::SetEnabledSides(DWORD dwSides)
{
    if ((dwSides & CBRS_ALIGN_ANY) == m_dwSides)
        return;
    m_dwSides = dwSides & CBRS_ALIGN_ANY;
    Redraw();
}

void CVrxPCentralGroupWnd::SetCentreState(int nCentreState)
{
    if (nCentreState < 0 || (nCentreState != 0) == m_bCentreShown)
        return;
    m_bCentreShown = nCentreState != 0;
    Redraw();
}

void CVrxPCentralGroupWnd::SetHighlight(int nMarker)
{
    if (nMarker == m_nHighlight)
        return;
    m_nHighlight = nMarker;
    Redraw();
}

void CVrxPCentralGroupWnd::Redraw()
{
    if (m_hWnd != NULL)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CVrxPCentralGroupWnd::OnPaint()
{
    CPaintDC dc(this);
    const HDC hDC = dc.GetSafeHdc();
    COLORREF colorFill = RGB(0xE8, 0xE8, 0xE8);
    COLORREF colorBorder = RGB(0x80, 0x80, 0x80);
    if (CVrxPVisualManager::Instance() != nullptr)
        CVrxPVisualManager::Instance()->QuerySmartDockingColors(colorFill, colorBorder);
    if (m_nHighlight == Layout::centre && m_bCentreShown)
        colorBorder = CVrxPMarkerWnd::highlightColor;
    POINT corners[4];
    Layout::Diamond(corners);
    HRGN hDiamond = ::CreatePolygonRgn(corners, 4, WINDING);
    HBRUSH hFill = ::CreateSolidBrush(colorFill);
    HBRUSH hBorder = ::CreateSolidBrush(colorBorder);
    ::FillRgn(hDC, hDiamond, hFill);
    ::FrameRgn(hDC, hDiamond, hBorder, 1, 1);
    ::DeleteObject(hBorder);
    ::DeleteObject(hFill);
    ::DeleteObject(hDiamond);
    for (int nMarker = Layout::centralLeft; nMarker <= Layout::centre; ++nMarker)
    {
        const BOOL bEnabled = nMarker == Layout::centre ? m_bCentreShown : (m_dwSides & Layout::SideOf(nMarker)) != 0;
        if (nMarker == Layout::centre && !bEnabled)
            continue;
        CVrxPMarkerWnd::PaintMarker(hDC, Layout::CentralMarkerBox(nMarker), nMarker, nMarker == m_nHighlight,
                                    bEnabled);
    }
}

BOOL CVrxPCentralGroupWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CVrxPCentralGroupWnd::OnClose()
{
}
