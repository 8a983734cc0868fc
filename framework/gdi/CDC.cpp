#include "gdi/CDC.h"

#include "gdi/CBitmap.h"
#include "gdi/CBrush.h"
#include "gdi/CFont.h"
#include "gdi/CHandleMap.h"
#include "gdi/CPalette.h"
#include "gdi/CPen.h"
#include "gdi/CRgn.h"

#include <cstdlib>

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {

CDC* NewTemporaryDC(HDC hDC)
{
    CDC* pDC = new CDC;
    pDC->m_hDC = hDC;
    pDC->m_hAttribDC = hDC;
    return pDC;
}

void ReleaseTemporaryDC(CDC* pDC)
{
    pDC->m_hDC = nullptr;
    pDC->m_hAttribDC = nullptr;
    delete pDC;
}

HDC HandleOf(const CDC* pDC)
{
    return pDC->m_hDC;
}

CHandleMap<HDC, CDC>& DCMap()
{
    static CHandleMap<HDC, CDC> map(NewTemporaryDC, ReleaseTemporaryDC, HandleOf);
    return map;
}

// Applies a setter to the output DC (when it is a separate one) and to the
// attribute DC, and returns the attribute DC's answer.
template <class Op>
auto ForBothDCs(const CDC& dc, Op op)
{
    if (dc.m_hDC != dc.m_hAttribDC && dc.m_hDC != nullptr)
        op(dc.m_hDC);
    return op(dc.m_hAttribDC);
}

// The region a drag frame of the given thickness covers inside lpRect, in
// device coordinates; empty when there is no frame to draw.
HRGN CreateFrameRegion(HDC hDC, LPCRECT lpRect, SIZE size)
{
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    if (lpRect == nullptr || size.cx <= 0 || size.cy <= 0)
        return hRgn;
    POINT corners[2] = {{lpRect->left, lpRect->top}, {lpRect->right, lpRect->bottom}};
    ::LPtoDP(hDC, corners, 2);
    CRect outer(corners[0], corners[1]);
    outer.NormalizeRect();
    CRect inner(outer);
    inner.DeflateRect(size.cx, size.cy);
    HRGN hOuter = ::CreateRectRgnIndirect(&outer);
    if (inner.IsRectEmpty())
    {
        ::CombineRgn(hRgn, hOuter, nullptr, RGN_COPY);
    }
    else
    {
        HRGN hInner = ::CreateRectRgnIndirect(&inner);
        ::CombineRgn(hRgn, hOuter, hInner, RGN_DIFF);
        ::DeleteObject(hInner);
    }
    ::DeleteObject(hOuter);
    return hRgn;
}

// Inverts the pixels of hRgn (device coordinates) with the brush's pattern,
// within whatever clipping the caller had set.
void InvertRegion(HDC hDC, HRGN hRgn, HBRUSH hBrush)
{
    int nSaved = ::SaveDC(hDC);
    if (::ExtSelectClipRgn(hDC, hRgn, RGN_AND) != NULLREGION)
    {
        RECT box;
        ::GetClipBox(hDC, &box);
        ::SelectObject(hDC, hBrush);
        ::PatBlt(hDC, box.left, box.top, box.right - box.left, box.bottom - box.top, PATINVERT);
    }
    ::RestoreDC(hDC, nSaved);
}

// Every other pixel set, in a checkered pattern.
class HalftoneBrush : public CBrush
{
public:
    HalftoneBrush()
    {
        WORD pattern[8];
        for (int i = 0; i < 8; i++)
            pattern[i] = static_cast<WORD>((i & 1) != 0 ? 0xAAAA : 0x5555);
        HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
        Attach(::CreatePatternBrush(hBitmap));
        ::DeleteObject(hBitmap);
    }
};

} // namespace

CDC::CDC()
    : m_hDC(nullptr), m_hAttribDC(nullptr), m_bPrinting(FALSE)
{
}

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

HDC CDC::GetSafeHdc() const
{
    // Read through a volatile copy: the compiler may not assume it non-null.
    const CDC* volatile self = this;
    return self == nullptr ? nullptr : self->m_hDC;
}

CDC* CDC::FromHandle(HDC hDC)
{
    return DCMap().FromHandle(hDC);
}

void CDC::DeleteTempMap()
{
    DCMap().DeleteTemporary();
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr)
        return FALSE;
    m_hDC = hDC;
    DCMap().SetPermanent(hDC, this);
    SetAttribDC(hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr)
        DCMap().RemovePermanent(hDC, this);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

void CDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
}

void CDC::SetOutputDC(HDC hDC)
{
    m_hDC = hDC;
}

void CDC::ReleaseAttribDC()
{
    m_hAttribDC = nullptr;
}

void CDC::ReleaseOutputDC()
{
    m_hDC = nullptr;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const void* lpInitData)
{
    return Attach(::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput,
                             static_cast<const DEVMODE*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const void* lpInitData)
{
    return Attach(::CreateIC(lpszDriverName, lpszDeviceName, lpszOutput,
                             static_cast<const DEVMODE*>(lpInitData)));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC->GetSafeHdc()));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    int nSaved = 0;
    if (m_hAttribDC != nullptr)
        nSaved = ::SaveDC(m_hAttribDC);
    // The two handles number their states apart: restore by position then.
    if (m_hDC != m_hAttribDC && m_hDC != nullptr && ::SaveDC(m_hDC) != 0)
        nSaved = -1;
    return nSaved;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bResult = TRUE;
    if (m_hDC != m_hAttribDC && m_hDC != nullptr)
        bResult = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != nullptr)
        bResult = ::RestoreDC(m_hAttribDC, nSavedDC) && bResult;
    return bResult;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

UINT CDC::SetBoundsRect(LPCRECT lpRectBounds, UINT flags)
{
    return ::SetBoundsRect(m_hDC, lpRectBounds, flags);
}

UINT CDC::GetBoundsRect(LPRECT lpRectBounds, UINT flags)
{
    return ::GetBoundsRect(m_hDC, lpRectBounds, flags);
}

BOOL CDC::ResetDC(const DEVMODE* lpDevMode)
{
    return ::ResetDC(m_hAttribDC, lpDevMode) != nullptr;
}

DWORD CDC::GetLayout() const
{
    return ::GetLayout(m_hDC);
}

DWORD CDC::SetLayout(DWORD dwLayout)
{
    return ForBothDCs(*this, [&](HDC h) { return ::SetLayout(h, dwLayout); });
}

CPoint CDC::GetBrushOrg() const
{
    POINT point;
    ::GetBrushOrgEx(m_hDC, &point);
    return point;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT point;
    ::SetBrushOrgEx(m_hDC, x, y, &point);
    return point;
}

CPoint CDC::SetBrushOrg(POINT point)
{
    return SetBrushOrg(point.x, point.y);
}

HGDIOBJ CDC::SelectGdiObject(HGDIOBJ hObject)
{
    return ForBothDCs(*this, [&](HDC h) { return ::SelectObject(h, hObject); });
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectGdiObject(::GetStockObject(nIndex)));
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return CPen::FromHandle(static_cast<HPEN>(SelectGdiObject(pPen->GetSafeHandle())));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return CBrush::FromHandle(static_cast<HBRUSH>(SelectGdiObject(pBrush->GetSafeHandle())));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return CFont::FromHandle(static_cast<HFONT>(SelectGdiObject(pFont->GetSafeHandle())));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    // A bitmap can be selected into one DC only: the output one.
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, pBitmap->GetSafeHandle())));
}

int CDC::SelectObject(CRgn* pRgn)
{
    return SelectClipRgn(pRgn);
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(SelectGdiObject(pObject->GetSafeHandle()));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    return SelectGdiObject(hObject);
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hAttribDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hAttribDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hAttribDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CPalette* CDC::GetCurrentPalette() const
{
    return CPalette::FromHandle(static_cast<HPALETTE>(::GetCurrentObject(m_hAttribDC, OBJ_PAL)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    HPALETTE hPalette = static_cast<HPALETTE>(pPalette->GetSafeHandle());
    return CPalette::FromHandle(::SelectPalette(m_hDC, hPalette, bForceBackground));
}

UINT CDC::RealizePalette()
{
    return ::RealizePalette(m_hDC);
}

COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    return ::GetNearestColor(m_hAttribDC, crColor);
}

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hAttribDC);
}

int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hAttribDC);
}

int CDC::GetPolyFillMode() const
{
    return ::GetPolyFillMode(m_hAttribDC);
}

int CDC::GetROP2() const
{
    return ::GetROP2(m_hAttribDC);
}

int CDC::GetStretchBltMode() const
{
    return ::GetStretchBltMode(m_hAttribDC);
}

COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hAttribDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return ForBothDCs(*this, [&](HDC h) { return ::SetBkColor(h, crColor); });
}

int CDC::SetBkMode(int nBkMode)
{
    return ForBothDCs(*this, [&](HDC h) { return ::SetBkMode(h, nBkMode); });
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    return ForBothDCs(*this, [&](HDC h) { return ::SetPolyFillMode(h, nPolyFillMode); });
}

int CDC::SetROP2(int nDrawMode)
{
    return ForBothDCs(*this, [&](HDC h) { return ::SetROP2(h, nDrawMode); });
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return ForBothDCs(*this, [&](HDC h) { return ::SetStretchBltMode(h, nStretchMode); });
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return ForBothDCs(*this, [&](HDC h) { return ::SetTextColor(h, crColor); });
}

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hAttribDC);
}

CPoint CDC::GetViewportOrg() const
{
    POINT point;
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}

int CDC::SetMapMode(int nMapMode)
{
    return ForBothDCs(*this, [&](HDC h) { return ::SetMapMode(h, nMapMode); });
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT point = {};
    ForBothDCs(*this, [&](HDC h) { return ::SetViewportOrgEx(h, x, y, &point); });
    return point;
}

CPoint CDC::SetViewportOrg(POINT point)
{
    return SetViewportOrg(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT point = {};
    ForBothDCs(*this, [&](HDC h) { return ::OffsetViewportOrgEx(h, nWidth, nHeight, &point); });
    return point;
}

CSize CDC::GetViewportExt() const
{
    SIZE size;
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {};
    ForBothDCs(*this, [&](HDC h) { return ::SetViewportExtEx(h, cx, cy, &size); });
    return size;
}

CSize CDC::SetViewportExt(SIZE size)
{
    return SetViewportExt(size.cx, size.cy);
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {};
    ForBothDCs(*this, [&](HDC h) { return ::ScaleViewportExtEx(h, xNum, xDenom, yNum, yDenom, &size); });
    return size;
}

CPoint CDC::GetWindowOrg() const
{
    POINT point;
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT point = {};
    ForBothDCs(*this, [&](HDC h) { return ::SetWindowOrgEx(h, x, y, &point); });
    return point;
}

CPoint CDC::SetWindowOrg(POINT point)
{
    return SetWindowOrg(point.x, point.y);
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT point = {};
    ForBothDCs(*this, [&](HDC h) { return ::OffsetWindowOrgEx(h, nWidth, nHeight, &point); });
    return point;
}

CSize CDC::GetWindowExt() const
{
    SIZE size;
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {};
    ForBothDCs(*this, [&](HDC h) { return ::SetWindowExtEx(h, cx, cy, &size); });
    return size;
}

CSize CDC::SetWindowExt(SIZE size)
{
    return SetWindowExt(size.cx, size.cy);
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {};
    ForBothDCs(*this, [&](HDC h) { return ::ScaleWindowExtEx(h, xNum, xDenom, yNum, yDenom, &size); });
    return size;
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    // Sizes keep their sign: only the scale of the mapping applies.
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs(sizeWinExt.cx), std::abs(sizeVpExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs(sizeWinExt.cy), std::abs(sizeVpExt.cy));
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs(sizeVpExt.cx), std::abs(sizeWinExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs(sizeVpExt.cy), std::abs(sizeWinExt.cy));
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()),
                     static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()),
                      static_cast<HBRUSH>(pBrush->GetSafeHandle()), nWidth, nHeight);
}

BOOL CDC::InvertRgn(CRgn* pRgn)
{
    return ::InvertRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()));
}

BOOL CDC::PaintRgn(CRgn* pRgn)
{
    return ::PaintRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()));
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    return ::GetClipBox(m_hDC, lpRect);
}

BOOL CDC::PtVisible(int x, int y) const
{
    return ::PtVisible(m_hDC, x, y);
}

BOOL CDC::PtVisible(POINT point) const
{
    return PtVisible(point.x, point.y);
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    return ::RectVisible(m_hDC, lpRect);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    HRGN hRgn = static_cast<HRGN>(pRgn->GetSafeHandle());
    return ForBothDCs(*this, [&](HDC h) { return ::SelectClipRgn(h, hRgn); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    HRGN hRgn = static_cast<HRGN>(pRgn->GetSafeHandle());
    return ForBothDCs(*this, [&](HDC h) { return ::ExtSelectClipRgn(h, hRgn, nMode); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return ForBothDCs(*this, [&](HDC h) { return ::ExcludeClipRect(h, x1, y1, x2, y2); });
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return ForBothDCs(*this, [&](HDC h) { return ::IntersectClipRect(h, x1, y1, x2, y2); });
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::OffsetClipRgn(int x, int y)
{
    return ForBothDCs(*this, [&](HDC h) { return ::OffsetClipRgn(h, x, y); });
}

int CDC::OffsetClipRgn(SIZE size)
{
    return OffsetClipRgn(size.cx, size.cy);
}

CPoint CDC::GetCurrentPosition() const
{
    POINT point;
    ::GetCurrentPositionEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT point = {};
    ForBothDCs(*this, [&](HDC h) { return ::MoveToEx(h, x, y, &point); });
    return point;
}

CPoint CDC::MoveTo(POINT point)
{
    return MoveTo(point.x, point.y);
}

BOOL CDC::LineTo(int x, int y)
{
    // The attribute DC keeps the current position too.
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::LineTo(POINT point)
{
    return LineTo(point.x, point.y);
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return Arc(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y,
               ptEnd.x, ptEnd.y);
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    return ::Polyline(m_hDC, lpPoints, nCount);
}

BOOL CDC::PolyPolyline(const POINT* lpPoints, const DWORD* lpPolyPoints, int nCount)
{
    return ::PolyPolyline(m_hDC, lpPoints, lpPolyPoints, nCount);
}

BOOL CDC::PolyBezier(const POINT* lpPoints, int nCount)
{
    return ::PolyBezier(m_hDC, lpPoints, nCount);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FrameRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}

void CDC::InvertRect(LPCRECT lpRect)
{
    ::InvertRect(m_hDC, lpRect);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

BOOL CDC::DrawIcon(POINT point, HICON hIcon)
{
    return DrawIcon(point.x, point.y, hIcon);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0, pt.x, pt.y,
                       size.cx, size.cy, nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, static_cast<HBITMAP>(pBitmap->GetSafeHandle()), nFlags,
                     static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, pt.x, pt.y,
                       size.cx, size.cy, nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(lpszText),
                       static_cast<WPARAM>(nTextLen), pt.x, pt.y, size.cx, size.cy,
                       nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, CBrush* pBrush)
{
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen,
                     static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags,
                    HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, lpDrawProc, lData, 0, pt.x, pt.y, size.cx, size.cy,
                       nFlags | DST_COMPLEX);
}

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    ::DrawFocusRect(m_hDC, lpRect);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    return ::Polygon(m_hDC, lpPoints, nCount);
}

BOOL CDC::PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount)
{
    return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    return RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}

BOOL CDC::MaskBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                  CBitmap& maskBitmap, int xMask, int yMask, DWORD dwRop)
{
    return ::MaskBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc,
                     static_cast<HBITMAP>(maskBitmap.GetSafeHandle()), xMask, yMask, dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::GetPixel(POINT point) const
{
    return GetPixel(point.x, point.y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}

COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
    return SetPixel(point.x, point.y, crColor);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    return ::SetPixelV(m_hDC, x, y, crColor);
}

BOOL CDC::SetPixelV(POINT point, COLORREF crColor)
{
    return SetPixelV(point.x, point.y, crColor);
}

BOOL CDC::FloodFill(int x, int y, COLORREF crColor)
{
    return ::FloodFill(m_hDC, x, y, crColor);
}

BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
{
    return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ::TextOut(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, str, str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, str, static_cast<UINT>(str.GetLength()), lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions,
                         LPINT lpnTabStopPositions, int nTabOrigin)
{
    return CSize(static_cast<DWORD>(::TabbedTextOut(m_hDC, x, y, lpszString, nCount, nTabPositions,
                                                    lpnTabStopPositions, nTabOrigin)));
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText(str, str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {};
    ::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent(str, str.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {};
    ::GetTextExtentPoint32(m_hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
    return GetOutputTextExtent(str, str.GetLength());
}

CSize CDC::GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions,
                               LPINT lpnTabStopPositions) const
{
    return CSize(::GetTabbedTextExtent(m_hAttribDC, lpszString, nCount, nTabPositions,
                                       lpnTabStopPositions));
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetrics(m_hAttribDC, lpMetrics);
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetrics(m_hDC, lpMetrics);
}

int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const
{
    return ::GetTextFace(m_hAttribDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
    int nResult = ::GetTextFace(m_hAttribDC, LF_FACESIZE, rString.GetBuffer(LF_FACESIZE));
    rString.ReleaseBuffer();
    return nResult;
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return ForBothDCs(*this, [&](HDC h) { return ::SetTextAlign(h, nFlags); });
}

int CDC::GetTextCharacterExtra() const
{
    return ::GetTextCharacterExtra(m_hAttribDC);
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    return ForBothDCs(*this, [&](HDC h) { return ::SetTextCharacterExtra(h, nCharExtra); });
}

BOOL CDC::GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    return ::GetCharWidth(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
}

DWORD CDC::GetFontData(DWORD dwTable, DWORD dwOffset, LPVOID lpData, DWORD cbData) const
{
    return ::GetFontData(m_hAttribDC, dwTable, dwOffset, lpData, cbData);
}

BOOL CDC::ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate,
                   LPRECT lpRectUpdate)
{
    return ::ScrollDC(m_hDC, dx, dy, lpRectScroll, lpRectClip,
                      static_cast<HRGN>(pRgnUpdate->GetSafeHandle()), lpRectUpdate);
}

BOOL CDC::BeginPath()
{
    return ::BeginPath(m_hDC);
}

BOOL CDC::EndPath()
{
    return ::EndPath(m_hDC);
}

BOOL CDC::AbortPath()
{
    return ::AbortPath(m_hDC);
}

BOOL CDC::CloseFigure()
{
    return ::CloseFigure(m_hDC);
}

BOOL CDC::FillPath()
{
    return ::FillPath(m_hDC);
}

BOOL CDC::StrokePath()
{
    return ::StrokePath(m_hDC);
}

BOOL CDC::StrokeAndFillPath()
{
    return ::StrokeAndFillPath(m_hDC);
}

BOOL CDC::SelectClipPath(int nMode)
{
    return ::SelectClipPath(m_hDC, nMode);
}

int CDC::StartDoc(LPDOCINFO lpDocInfo)
{
    return ::StartDoc(m_hDC, lpDocInfo);
}

int CDC::StartDoc(LPCTSTR lpszDocName)
{
    DOCINFO docInfo = {};
    docInfo.cbSize = sizeof(docInfo);
    docInfo.lpszDocName = lpszDocName;
    return StartDoc(&docInfo);
}

int CDC::StartPage()
{
    return ::StartPage(m_hDC);
}

int CDC::EndPage()
{
    return ::EndPage(m_hDC);
}

int CDC::EndDoc()
{
    return ::EndDoc(m_hDC);
}

int CDC::AbortDoc()
{
    return ::AbortDoc(m_hDC);
}

int CDC::SetAbortProc(ABORTPROC lpfn)
{
    return ::SetAbortProc(m_hDC, lpfn);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    CRect rect(x, y, x + cx, y + cy);
    rect.NormalizeRect();
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast,
                       CBrush* pBrush, CBrush* pBrushLast)
{
    HBRUSH hBrush = static_cast<HBRUSH>((pBrush != nullptr ? pBrush : GetHalftoneBrush())->GetSafeHandle());
    HBRUSH hBrushLast = pBrushLast != nullptr ? static_cast<HBRUSH>(pBrushLast->GetSafeHandle()) : hBrush;

    HRGN hRgnNew = CreateFrameRegion(m_hDC, lpRect, size);
    HRGN hRgnLast = CreateFrameRegion(m_hDC, lpRectLast, sizeLast);
    if (hBrush == hBrushLast)
    {
        // Where the old and the new frame overlap, inverting twice would
        // leave the pixels alone: invert only where they differ.
        HRGN hRgnUpdate = ::CreateRectRgn(0, 0, 0, 0);
        ::CombineRgn(hRgnUpdate, hRgnLast, hRgnNew, RGN_XOR);
        InvertRegion(m_hDC, hRgnUpdate, hBrush);
        ::DeleteObject(hRgnUpdate);
    }
    else
    {
        InvertRegion(m_hDC, hRgnLast, hBrushLast);
        InvertRegion(m_hDC, hRgnNew, hBrush);
    }
    ::DeleteObject(hRgnLast);
    ::DeleteObject(hRgnNew);
}

CBrush* CDC::GetHalftoneBrush()
{
    static HalftoneBrush halftone;
    return &halftone;
}
