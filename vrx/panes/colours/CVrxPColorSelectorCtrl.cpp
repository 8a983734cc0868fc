#include "panes/colours/CVrxPColorSelectorCtrl.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"

#include <algorithm>
#include <cmath>

namespace
{
double Clamp01(double dValue) { return std::min(1.0, std::max(0.0, dValue)); }

void FillHexagon(HDC hDC, const POINT points[6], COLORREF color)
{
    HBRUSH hBrush = ::CreateSolidBrush(color);
    HPEN hPen = ::CreatePen(PS_SOLID, 1, color);
    HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
    HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
    ::Polygon(hDC, points, 6);
    ::SelectObject(hDC, hOldPen);
    ::SelectObject(hDC, hOldBrush);
    ::DeleteObject(hPen);
    ::DeleteObject(hBrush);
}

void OutlineHexagon(HDC hDC, const POINT points[6], COLORREF color, int nWidth)
{
    HPEN hPen = ::CreatePen(PS_SOLID, nWidth, color);
    HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
    HGDIOBJ hOldBrush = ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
    ::Polygon(hDC, points, 6);
    ::SelectObject(hDC, hOldBrush);
    ::SelectObject(hDC, hOldPen);
    ::DeleteObject(hPen);
}
} // namespace

IMPLEMENT_DYNAMIC(CVrxPColorSelectorCtrl, CButton)

BEGIN_MESSAGE_MAP(CVrxPColorSelectorCtrl, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
END_MESSAGE_MAP()

CVrxPColorSelectorCtrl::CVrxPColorSelectorCtrl()
    : m_nMode(modeSpectrum), m_dLuminance(0.5), m_dSaturation(0), m_dHue(0), m_color(0), m_colorInitial(0),
      m_nBarWidth(20), m_hPalette(NULL)
{
}

CVrxPColorSelectorCtrl::~CVrxPColorSelectorCtrl() = default;

void CVrxPColorSelectorCtrl::SetLuminanceBarWidth(int nWidth)
{
    if (GetSafeHwnd() != NULL)
    {
        CRect rectClient;
        GetClientRect(&rectClient);
        nWidth = std::min(nWidth, rectClient.Width() * 3 / 4);
    }
    m_nBarWidth = nWidth;
}

void CVrxPColorSelectorCtrl::SetPalette(HPALETTE hPalette)
{
    m_hPalette = hPalette;
    m_spectrum.DeleteObject();
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CVrxPColorSelectorCtrl::SetColor(COLORREF color)
{
    m_color = color;
    CVrxPPainter::ColorToHLS(color, m_dHue, m_dSaturation, m_dLuminance);
    if (GetSafeHwnd() != NULL)
        Invalidate();
}

void CVrxPColorSelectorCtrl::SetRGB(BYTE red, BYTE green, BYTE blue)
{
    SetColor(RGB(red, green, blue));
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CVrxPColorSelectorCtrl::SetHLS(double dHue, double dLuminance, double dSaturation, BOOL bRedraw)
{
    if (dHue != -1)
        m_dHue = dHue;
    if (dLuminance != -1)
        m_dLuminance = dLuminance;
    if (dSaturation != -1)
        m_dSaturation = dSaturation;
    m_color = CVrxPPainter::ColorFromHLS(m_dHue, m_dLuminance, m_dSaturation);
    if (bRedraw && GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CVrxPColorSelectorCtrl::GetHLS(double* pHue, double* pLuminance, double* pSaturation) const
{
    *pHue = m_dHue;
    *pLuminance = m_dLuminance;
    *pSaturation = m_dSaturation;
}

void CVrxPColorSelectorCtrl::PreSubclassWindow()
{
    ModifyStyle(BS_DEFPUSHBUTTON, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

BOOL CVrxPColorSelectorCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style = (cs.style & ~static_cast<LONG>(BS_DEFPUSHBUTTON)) | BS_OWNERDRAW;
    return CButton::PreCreateWindow(cs);
}

COLORREF CVrxPColorSelectorCtrl::ToDrawColor(COLORREF color) const
{
    // A palette index (the dialog's preview gets those) is drawn as it is.
    if (m_hPalette == NULL || VrxPGlobals().bitsPerPixel > 8 || (color & 0xFF000000) == 0x01000000)
        return color;
    return 0x01000000 | ::GetNearestPaletteIndex(m_hPalette, color);
}

void CVrxPColorSelectorCtrl::BuildCells(const CRect& rectClient)
{
    m_cells = m_nMode == modeHoneycomb ? CVrxPColorHexCell::BuildHoneycomb(rectClient)
                                       : CVrxPColorHexCell::BuildGreys(rectClient);
    if (m_hPalette != NULL && VrxPGlobals().bitsPerPixel <= 8)
        for (CVrxPColorHexCell& cell : m_cells)
            cell.drawColor = ToDrawColor(cell.color);
}

void CVrxPColorSelectorCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rectClient;
    GetClientRect(&rectClient);
    HPALETTE hOldPalette = NULL;
    if (m_hPalette != NULL)
    {
        hOldPalette = ::SelectPalette(pDC->GetSafeHdc(), m_hPalette, FALSE);
        ::RealizePalette(pDC->GetSafeHdc());
    }

    HDC hMemory = ::CreateCompatibleDC(pDC->GetSafeHdc());
    HBITMAP hBitmap = hMemory != NULL
                          ? ::CreateCompatibleBitmap(pDC->GetSafeHdc(), rectClient.Width(), rectClient.Height())
                          : NULL;
    if (hBitmap != NULL)
    {
        HGDIOBJ hOldBitmap = ::SelectObject(hMemory, hBitmap);
        HPALETTE hOldMemoryPalette = NULL;
        if (m_hPalette != NULL)
        {
            hOldMemoryPalette = ::SelectPalette(hMemory, m_hPalette, FALSE);
            ::RealizePalette(hMemory);
        }
        PaintFace(CDC::FromHandle(hMemory), rectClient);
        ::BitBlt(pDC->GetSafeHdc(), 0, 0, rectClient.Width(), rectClient.Height(), hMemory, 0, 0, SRCCOPY);
        if (m_hPalette != NULL)
            ::SelectPalette(hMemory, hOldMemoryPalette, FALSE);
        ::SelectObject(hMemory, hOldBitmap);
        ::DeleteObject(hBitmap);
    }
    else
        PaintFace(pDC, rectClient);
    if (hMemory != NULL)
        ::DeleteDC(hMemory);

    if (m_hPalette != NULL)
        ::SelectPalette(pDC->GetSafeHdc(), hOldPalette, FALSE);
}

void CVrxPColorSelectorCtrl::PaintFace(CDC* pDC, const CRect& rectClient)
{
    VrxPGlobals().PaintParentBackground(this, pDC);
    switch (m_nMode)
    {
    case modePreview:
    {
        CRect rectUpper = rectClient;
        rectUpper.bottom = rectClient.top + rectClient.Height() / 2;
        CRect rectLower = rectClient;
        rectLower.top = rectUpper.bottom;
        pDC->FillSolidRect(&rectUpper, ToDrawColor(m_color));
        pDC->FillSolidRect(&rectLower, ToDrawColor(m_colorInitial));
        const COLORREF colorFrame = VrxPGlobals().colorDarkShade;
        pDC->Draw3dRect(&rectClient, colorFrame, colorFrame);
        break;
    }
    case modeLuminanceBar:
        PaintLuminanceBar(pDC, rectClient);
        break;
    case modeSpectrum:
        PaintSpectrum(pDC, rectClient);
        break;
    default:
        if (m_cells.empty())
            BuildCells(rectClient);
        PaintCells(pDC);
        break;
    }
}

void CVrxPColorSelectorCtrl::PaintLuminanceBar(CDC* pDC, const CRect& rectClient)
{
    const int nTop = rectClient.top + barMargin;
    const int nBottom = rectClient.bottom - barMargin;
    for (int y = nTop; y < nBottom; y++)
    {
        const double dLuminance = static_cast<double>(nBottom - y) / (nBottom - nTop);
        const COLORREF color = CVrxPPainter::ColorFromHLS(m_dHue, dLuminance, m_dSaturation);
        pDC->FillSolidRect(rectClient.left, y, m_nBarWidth, 1, ToDrawColor(color));
    }
    DrawMarker(pDC);
}

void CVrxPColorSelectorCtrl::BuildSpectrumBitmap(CDC* pDC, const CRect& rectClient)
{
    const int nWidth = rectClient.Width();
    const int nHeight = rectClient.Height();
    if (!m_spectrum.CreateCompatibleBitmap(pDC, nWidth, nHeight))
        return;
    HDC hMemory = ::CreateCompatibleDC(pDC->GetSafeHdc());
    HGDIOBJ hOld = ::SelectObject(hMemory, m_spectrum.GetSafeHandle());
    HPALETTE hOldPalette = NULL;
    if (m_hPalette != NULL)
    {
        hOldPalette = ::SelectPalette(hMemory, m_hPalette, FALSE);
        ::RealizePalette(hMemory);
    }
    // Few colours: blocks of 4 pixels keep the dithering readable.
    const int nStep = VrxPGlobals().bitsPerPixel <= 8 ? 4 : 1;
    CDC* pMemory = CDC::FromHandle(hMemory);
    for (int y = 0; y < nHeight; y += nStep)
    {
        const double dSaturation = nHeight > 1 ? 1.0 - static_cast<double>(y) / (nHeight - 1) : 1.0;
        for (int x = 0; x < nWidth; x += nStep)
        {
            const COLORREF color =
                CVrxPPainter::ColorFromHLS(nWidth > 0 ? static_cast<double>(x) / nWidth : 0, 0.5, dSaturation);
            if (nStep == 1)
                ::SetPixelV(hMemory, x, y, color);
            else
                pMemory->FillSolidRect(x, y, nStep, nStep, ToDrawColor(color));
        }
    }
    if (m_hPalette != NULL)
        ::SelectPalette(hMemory, hOldPalette, FALSE);
    ::SelectObject(hMemory, hOld);
    ::DeleteDC(hMemory);
}

void CVrxPColorSelectorCtrl::PaintSpectrum(CDC* pDC, const CRect& rectClient)
{
    if (m_spectrum.GetSafeHandle() == NULL)
        BuildSpectrumBitmap(pDC, rectClient);
    if (m_spectrum.GetSafeHandle() != NULL)
    {
        HDC hMemory = ::CreateCompatibleDC(pDC->GetSafeHdc());
        HGDIOBJ hOld = ::SelectObject(hMemory, m_spectrum.GetSafeHandle());
        ::BitBlt(pDC->GetSafeHdc(), rectClient.left, rectClient.top, rectClient.Width(), rectClient.Height(),
                 hMemory, 0, 0, SRCCOPY);
        ::SelectObject(hMemory, hOld);
        ::DeleteDC(hMemory);
    }
    DrawMarker(pDC);
    pDC->Draw3dRect(&rectClient, VrxPGlobals().colorDarkShade, VrxPGlobals().colorLightEdge);
}

void CVrxPColorSelectorCtrl::PaintCells(CDC* pDC)
{
    HDC hDC = pDC->GetSafeHdc();
    const CVrxPColorHexCell* pSelected = nullptr;
    for (const CVrxPColorHexCell& cell : m_cells)
    {
        FillHexagon(hDC, cell.points, cell.drawColor);
        if (cell.color == m_color && pSelected == nullptr)
            pSelected = &cell;
    }
    if (pSelected == nullptr)
        return;
    POINT points[6];
    CVrxPColorHexCell::HexagonPoints(pSelected->x, pSelected->y - 1, pSelected->size + 2, points);
    OutlineHexagon(hDC, points, RGB(255, 255, 255), 2);
    CVrxPColorHexCell::HexagonPoints(pSelected->x, pSelected->y, pSelected->size + 2, points);
    OutlineHexagon(hDC, points, RGB(0, 0, 0), 1);
    CVrxPColorHexCell::HexagonPoints(pSelected->x, pSelected->y, pSelected->size - 1, points);
    OutlineHexagon(hDC, points, RGB(0, 0, 0), 1);
}

CRect CVrxPColorSelectorCtrl::MarkerBox() const
{
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectBox;
    if (m_nMode == modeLuminanceBar)
    {
        const int x = rectClient.left + m_nBarWidth + 6;
        const int y = rectClient.top + barMargin +
                      static_cast<int>((1 - m_dLuminance) * (rectClient.Height() - 2 * barMargin));
        rectBox.SetRect(x - 4, y - 4, x + 5, y + 5);
    }
    else
    {
        const int x = rectClient.left + static_cast<int>(rectClient.Width() * m_dHue);
        const int y = rectClient.top + static_cast<int>((1 - m_dSaturation) * rectClient.Height());
        rectBox.SetRect(x - 9, y - 9, x + 10, y + 10);
    }
    rectBox.InflateRect(1, 1);
    return rectBox;
}

void CVrxPColorSelectorCtrl::DrawMarker(CDC* pDC)
{
    CRect rectBox = MarkerBox();
    rectBox.DeflateRect(1, 1);
    const CPoint centre = rectBox.CenterPoint();
    const BOOL bFocused = ::GetFocus() == GetSafeHwnd();
    if (m_nMode == modeLuminanceBar)
    {
        const COLORREF colorFill = bFocused ? VrxPGlobals().colorButtonText : VrxPGlobals().colorShade;
        const POINT points[3] = {{rectBox.left, centre.y}, {rectBox.right - 1, rectBox.top},
                                 {rectBox.right - 1, rectBox.bottom - 1}};
        HDC hDC = pDC->GetSafeHdc();
        HPEN hPen = ::CreatePen(PS_SOLID, 1, VrxPGlobals().colorButtonText);
        HBRUSH hBrush = ::CreateSolidBrush(colorFill);
        HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
        HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
        ::Polygon(hDC, points, 3);
        ::SelectObject(hDC, hOldBrush);
        ::SelectObject(hDC, hOldPen);
        ::DeleteObject(hBrush);
        ::DeleteObject(hPen);
        return;
    }
    if (m_nMode != modeSpectrum)
        return;
    const COLORREF color = bFocused ? RGB(0, 0, 0) : RGB(255, 255, 255);
    pDC->FillSolidRect(centre.x - 1, centre.y - 9, 3, 5, color);
    pDC->FillSolidRect(centre.x - 1, centre.y + 5, 3, 5, color);
    pDC->FillSolidRect(centre.x - 9, centre.y - 1, 5, 3, color);
    pDC->FillSolidRect(centre.x + 5, centre.y - 1, 5, 3, color);
}

void CVrxPColorSelectorCtrl::RepaintMarkerChange(const CRect& rectOld)
{
    InvalidateRect(&rectOld, FALSE);
    const CRect rectNew = MarkerBox();
    InvalidateRect(&rectNew, FALSE);
}

void CVrxPColorSelectorCtrl::NotifyParent(UINT nCode)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

BOOL CVrxPColorSelectorCtrl::PickAt(CPoint point, UINT nFlags)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    point.x = std::min(std::max(point.x, rectClient.left), rectClient.right);
    point.y = std::min(std::max(point.y, rectClient.top), rectClient.bottom);
    const CRect rectOld = MarkerBox();
    switch (m_nMode)
    {
    case modeLuminanceBar:
    {
        const int nTop = rectClient.top + barMargin;
        const int nBottom = rectClient.bottom - barMargin;
        if (nBottom <= nTop)
            return FALSE;
        m_dLuminance = Clamp01(static_cast<double>(nBottom - point.y) / (nBottom - nTop));
        m_color = CVrxPPainter::ColorFromHLS(m_dHue, m_dLuminance, m_dSaturation);
        RepaintMarkerChange(rectOld);
        break;
    }
    case modeSpectrum:
    {
        if (rectClient.Width() <= 0 || rectClient.Height() <= 0)
            return FALSE;
        if (nFlags & MK_CONTROL)
            point.x = rectClient.left + static_cast<int>(rectClient.Width() * m_dHue);
        if (nFlags & MK_SHIFT)
            point.y = rectClient.top + static_cast<int>((1 - m_dSaturation) * rectClient.Height());
        m_dHue = Clamp01(static_cast<double>(point.x - rectClient.left) / rectClient.Width());
        m_dSaturation = Clamp01(1.0 - static_cast<double>(point.y - rectClient.top) / rectClient.Height());
        m_color = CVrxPPainter::ColorFromHLS(m_dHue, m_dLuminance, m_dSaturation);
        RepaintMarkerChange(rectOld);
        break;
    }
    case modeHoneycomb:
    case modeGreys:
    {
        auto hit = std::find_if(m_cells.begin(), m_cells.end(),
                                [point](const CVrxPColorHexCell& cell) { return cell.Contains(point); });
        if (hit == m_cells.end())
            return FALSE;
        m_color = hit->color;
        CVrxPPainter::ColorToHLS(m_color, m_dHue, m_dSaturation, m_dLuminance);
        Invalidate(FALSE);
        break;
    }
    default:
        return FALSE;
    }
    NotifyParent(BN_CLICKED);
    UpdateWindow();
    return TRUE;
}

void CVrxPColorSelectorCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetCapture();
    SetFocus();
    PickAt(point, nFlags);
}

void CVrxPColorSelectorCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (::GetCapture() == GetSafeHwnd())
        PickAt(point, nFlags);
}

void CVrxPColorSelectorCtrl::OnLButtonUp(UINT, CPoint)
{
    if (::GetCapture() == GetSafeHwnd())
        ::ReleaseCapture();
}

void CVrxPColorSelectorCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_nMode >= modeSpectrum)
        NotifyParent(BN_DOUBLECLICKED);
    else
        CButton::OnLButtonDblClk(nFlags, point);
}

void CVrxPColorSelectorCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const CRect rectOld = MarkerBox();
    const double dLuminance = m_dLuminance;
    const double dHue = m_dHue;
    const double dSaturation = m_dSaturation;
    if (m_nMode == modeLuminanceBar)
    {
        if (nChar == VK_UP)
            m_dLuminance = Clamp01(m_dLuminance + keyStep);
        else if (nChar == VK_DOWN)
            m_dLuminance = Clamp01(m_dLuminance - keyStep);
    }
    else if (m_nMode == modeSpectrum)
    {
        if (nChar == VK_LEFT)
            m_dHue = Clamp01(m_dHue - keyStep);
        else if (nChar == VK_RIGHT)
            m_dHue = Clamp01(m_dHue + keyStep);
        else if (nChar == VK_UP)
            m_dSaturation = Clamp01(m_dSaturation + keyStep);
        else if (nChar == VK_DOWN)
            m_dSaturation = Clamp01(m_dSaturation - keyStep);
    }
    if (dLuminance != m_dLuminance || dHue != m_dHue || dSaturation != m_dSaturation)
    {
        m_color = CVrxPPainter::ColorFromHLS(m_dHue, m_dLuminance, m_dSaturation);
        RepaintMarkerChange(rectOld);
        NotifyParent(BN_CLICKED);
    }
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CVrxPColorSelectorCtrl::OnGetDlgCode() { return DLGC_WANTARROWS; }

BOOL CVrxPColorSelectorCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CVrxPColorSelectorCtrl::OnSize(UINT nType, int cx, int cy)
{
    CButton::OnSize(nType, cx, cy);
    m_spectrum.DeleteObject();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CVrxPColorSelectorCtrl::OnSetFocus(CWnd* pOldWnd)
{
    CButton::OnSetFocus(pOldWnd);
    Invalidate(FALSE);
}

void CVrxPColorSelectorCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    Invalidate(FALSE);
}

BOOL CVrxPColorSelectorCtrl::OnQueryNewPalette()
{
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    return CButton::OnQueryNewPalette();
}

void CVrxPColorSelectorCtrl::OnPaletteChanged(CWnd* pFocusWnd)
{
    CButton::OnPaletteChanged(pFocusWnd);
    if (pFocusWnd != this)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}
