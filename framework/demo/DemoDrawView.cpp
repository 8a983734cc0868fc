#include "DemoDrawView.h"

#include "app/CCmdUI.h"
#include "DemoIds.h"
#include "gdi/CBrush.h"
#include "gdi/CDC.h"
#include "gdi/CFont.h"
#include "gdi/CPen.h"

IMPLEMENT_DYNCREATE(CDemoDrawView, CView)

BEGIN_MESSAGE_MAP(CDemoDrawView, CView)
    ON_COMMAND(ID_DRAW_INVERT, OnDrawInvert)
    ON_UPDATE_COMMAND_UI(ID_DRAW_INVERT, OnUpdateDrawInvert)
END_MESSAGE_MAP()

namespace
{
const COLORREF kDeepBlue = RGB(0x10, 0x30, 0x80);
const COLORREF kPaleCyan = RGB(0xB0, 0xE8, 0xF0);
const int kGradientBands = 64;

COLORREF Blend(COLORREF crFrom, COLORREF crTo, int nStep, int nSteps)
{
    auto channel = [&](int nFrom, int nTo) { return nFrom + (nTo - nFrom) * nStep / nSteps; };
    return RGB(channel(GetRValue(crFrom), GetRValue(crTo)), channel(GetGValue(crFrom), GetGValue(crTo)),
               channel(GetBValue(crFrom), GetBValue(crTo)));
}
} // namespace

CDemoDrawView::CDemoDrawView() : m_bInverted(FALSE)
{
}

void CDemoDrawView::OnDraw(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawGradient(pDC, rect);
    DrawTitle(pDC, rect);
    DrawLines(pDC, rect);
    DrawShapes(pDC, rect);
}

void CDemoDrawView::DrawGradient(CDC* pDC, const CRect& rect)
{
    COLORREF crTop = m_bInverted ? kPaleCyan : kDeepBlue;
    COLORREF crBottom = m_bInverted ? kDeepBlue : kPaleCyan;
    for (int nBand = 0; nBand < kGradientBands; ++nBand)
    {
        int nTop = rect.top + rect.Height() * nBand / kGradientBands;
        int nBottom = rect.top + rect.Height() * (nBand + 1) / kGradientBands;
        pDC->FillSolidRect(rect.left, nTop, rect.Width(), nBottom - nTop,
                           Blend(crTop, crBottom, nBand, kGradientBands - 1));
    }
}

void CDemoDrawView::DrawTitle(CDC* pDC, const CRect& rect)
{
    CFont font;
    font.CreatePointFont(160, "Arial", pDC);
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_bInverted ? kDeepBlue : RGB(0xFF, 0xFF, 0xFF));
    CRect rectText(rect.left, rect.top + 10, rect.right, rect.top + 50);
    pDC->DrawText("Drawn with CDC", &rectText, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    pDC->SelectObject(pOldFont);
}

void CDemoDrawView::DrawLines(CDC* pDC, const CRect& rect)
{
    struct Line
    {
        int nStyle;
        int nWidth;
        COLORREF crColor;
    };
    const Line lines[] = {{PS_SOLID, 4, RGB(0xE0, 0x40, 0x30)},
                          {PS_DASH, 1, RGB(0xFF, 0xFF, 0x60)},
                          {PS_DOT, 1, RGB(0x20, 0x20, 0x20)},
                          {PS_SOLID, 2, RGB(0x30, 0xC0, 0x50)}};
    int y = rect.top + 60;
    for (const Line& line : lines)
    {
        CPen pen(line.nStyle, line.nWidth, line.crColor);
        CPen* pOldPen = pDC->SelectObject(&pen);
        pDC->MoveTo(rect.left + 20, y);
        pDC->LineTo(rect.right - 20, y);
        pDC->SelectObject(pOldPen);
        y += 12;
    }
}

void CDemoDrawView::DrawShapes(CDC* pDC, const CRect& rect)
{
    int nTop = rect.top + 120;
    int nSize = 70;
    CPen pen(PS_SOLID, 2, RGB(0x20, 0x20, 0x20));
    CPen* pOldPen = pDC->SelectObject(&pen);

    CBrush solid(RGB(0xF0, 0x90, 0x20));
    CBrush* pOldBrush = pDC->SelectObject(&solid);
    pDC->Ellipse(rect.left + 20, nTop, rect.left + 20 + nSize, nTop + nSize);

    CBrush hatched(HS_DIAGCROSS, RGB(0x80, 0x10, 0x80));
    pDC->SelectObject(&hatched);
    pDC->SetBkMode(OPAQUE);
    pDC->SetBkColor(RGB(0xFF, 0xFF, 0xFF));
    pDC->Rectangle(rect.left + 40 + nSize, nTop, rect.left + 40 + 2 * nSize, nTop + nSize);

    CBrush green(RGB(0x40, 0xB0, 0x60));
    pDC->SelectObject(&green);
    pDC->RoundRect(rect.left + 60 + 2 * nSize, nTop, rect.left + 60 + 3 * nSize, nTop + nSize, 20, 20);

    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CDemoDrawView::OnDrawInvert()
{
    m_bInverted = !m_bInverted;
    Invalidate();
}

void CDemoDrawView::OnUpdateDrawInvert(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bInverted ? 1 : 0);
}
