#include "MemoryCanvas.h"

#include "gdi/CBrush.h"
#include "gdi/CClientDC.h"
#include "gdi/CFont.h"
#include "gdi/CPen.h"
#include "gdi/CRgn.h"
#include "gdi/CWindowDC.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);

TEST(CDCDrawing, FillSolidRectFillsExactlyTheRectangleAndKeepsTheColourAsBackground)
{
    MemoryCanvas canvas(20, 20);
    canvas.dc().FillSolidRect(CRect(2, 3, 7, 9), kRed);

    EXPECT_EQ(kRed, canvas.Pixel(2, 3));
    EXPECT_EQ(kRed, canvas.Pixel(6, 8));
    EXPECT_EQ(kWhite, canvas.Pixel(7, 8));
    EXPECT_EQ(kWhite, canvas.Pixel(6, 9));
    EXPECT_EQ(kWhite, canvas.Pixel(1, 3));
    EXPECT_EQ(5 * 6, canvas.CountPixels(CRect(0, 0, 20, 20), kRed));
    EXPECT_EQ(kRed, canvas.dc().GetBkColor());
}

TEST(CDCDrawing, Draw3dRectColoursTopLeftAndBottomRightEdges)
{
    MemoryCanvas canvas(20, 20);
    canvas.dc().Draw3dRect(CRect(2, 2, 12, 10), kGreen, kBlue);

    struct Case { int x, y; COLORREF expected; } cases[] = {
        {2, 2, kGreen},   // top-left corner
        {10, 2, kGreen},  // top edge, last pixel before the corner
        {11, 2, kBlue},   // top-right corner belongs to the right edge
        {2, 8, kGreen},   // left edge, last pixel before the corner
        {2, 9, kBlue},    // bottom-left corner belongs to the bottom edge
        {11, 9, kBlue},   // bottom-right corner
        {6, 9, kBlue},    // bottom edge
        {11, 5, kBlue},   // right edge
        {6, 5, kWhite},   // inside stays untouched
        {12, 5, kWhite},  // outside the rectangle
        {6, 10, kWhite},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, canvas.Pixel(c.x, c.y)) << "at " << c.x << "," << c.y;
}

TEST(CDCDrawing, RectangleUsesTheSelectedPenAndBrush)
{
    MemoryCanvas canvas(20, 20);
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kBlue);
    CPen* pOldPen = canvas.dc().SelectObject(&pen);
    CBrush* pOldBrush = canvas.dc().SelectObject(&brush);
    canvas.dc().Rectangle(2, 2, 10, 10);
    canvas.dc().SelectObject(pOldPen);
    canvas.dc().SelectObject(pOldBrush);

    EXPECT_EQ(kRed, canvas.Pixel(2, 2));
    EXPECT_EQ(kRed, canvas.Pixel(9, 9));
    EXPECT_EQ(kBlue, canvas.Pixel(5, 5));
    EXPECT_EQ(kWhite, canvas.Pixel(10, 10));
}

TEST(CDCDrawing, FillRectAndFrameRectUseTheBrush)
{
    MemoryCanvas canvas(20, 20);
    CBrush blue(kBlue);
    CBrush red(kRed);
    canvas.dc().FillRect(CRect(0, 0, 10, 10), &blue);
    canvas.dc().FrameRect(CRect(0, 0, 10, 10), &red);

    EXPECT_EQ(kRed, canvas.Pixel(0, 0));
    EXPECT_EQ(kRed, canvas.Pixel(9, 4));
    EXPECT_EQ(kBlue, canvas.Pixel(1, 1));
    EXPECT_EQ(kWhite, canvas.Pixel(10, 4));
}

TEST(CDCDrawing, LinesAndPolygons)
{
    MemoryCanvas canvas(20, 20);
    CPen pen(PS_SOLID, 1, kBlack);
    CPen* pOldPen = canvas.dc().SelectObject(&pen);
    canvas.dc().MoveTo(1, 1);
    canvas.dc().LineTo(8, 1);
    EXPECT_EQ(CPoint(8, 1), canvas.dc().GetCurrentPosition());

    CBrush green(kGreen);
    CBrush* pOldBrush = canvas.dc().SelectObject(&green);
    POINT triangle[] = {{10, 10}, {18, 10}, {10, 18}};
    canvas.dc().Polygon(triangle, 3);
    canvas.dc().SelectObject(pOldBrush);
    canvas.dc().SelectObject(pOldPen);

    EXPECT_EQ(7, canvas.CountPixels(CRect(0, 1, 20, 2), kBlack));
    EXPECT_EQ(kWhite, canvas.Pixel(8, 1)); // the end point is not drawn
    EXPECT_EQ(kGreen, canvas.Pixel(12, 12));
    EXPECT_EQ(kWhite, canvas.Pixel(17, 17));
}

TEST(CDCDrawing, SetPixelAndGetPixelAgree)
{
    MemoryCanvas canvas(8, 8);
    canvas.dc().SetPixel(3, 4, kRed);
    EXPECT_EQ(kRed, canvas.Pixel(3, 4));
    EXPECT_EQ(kRed, canvas.dc().GetPixel(CPoint(3, 4)));
    EXPECT_EQ(kWhite, canvas.dc().GetPixel(4, 3));
}

TEST(CDCDrawing, BitBltAndStretchBltCopyBetweenMemoryDCs)
{
    MemoryCanvas source(4, 4, kBlue);
    source.dc().SetPixel(0, 0, kRed);
    MemoryCanvas target(16, 16);

    target.dc().BitBlt(2, 2, 4, 4, &source.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(kRed, target.Pixel(2, 2));
    EXPECT_EQ(kBlue, target.Pixel(5, 5));
    EXPECT_EQ(kWhite, target.Pixel(6, 6));

    target.dc().StretchBlt(8, 8, 8, 8, &source.dc(), 0, 0, 4, 4, SRCCOPY);
    EXPECT_EQ(4, target.CountPixels(CRect(8, 8, 16, 16), kRed));
    EXPECT_EQ(60, target.CountPixels(CRect(8, 8, 16, 16), kBlue));
}

TEST(CDCDrawing, PatBltInvertsWithDstInvert)
{
    MemoryCanvas canvas(8, 8);
    canvas.dc().PatBlt(0, 0, 4, 8, DSTINVERT);
    EXPECT_EQ(32, canvas.CountPixels(CRect(0, 0, 8, 8), kBlack));
    EXPECT_EQ(kBlack, canvas.Pixel(3, 7));
    EXPECT_EQ(kWhite, canvas.Pixel(4, 7));
}

TEST(CDCDrawing, DrawStateAndDrawIconCopyImages)
{
    MemoryCanvas source(8, 8, kBlue);
    MemoryCanvas canvas(40, 20);

    // DrawState wants a bitmap that no DC holds.
    CBitmap copy;
    copy.Attach(::CopyImage(source.bitmap().GetSafeHandle(), IMAGE_BITMAP, 0, 0, 0));
    EXPECT_TRUE(canvas.dc().DrawState(CPoint(2, 2), CSize(8, 8), &copy, DSS_NORMAL));
    EXPECT_EQ(64, canvas.CountPixels(CRect(0, 0, 20, 20), kBlue));

    ICONINFO iconInfo = {};
    iconInfo.fIcon = TRUE;
    CBitmap mask;
    const BYTE opaque[16] = {};
    mask.CreateBitmap(8, 8, 1, 1, opaque);
    iconInfo.hbmMask = static_cast<HBITMAP>(mask.GetSafeHandle());
    iconInfo.hbmColor = static_cast<HBITMAP>(copy.GetSafeHandle());
    HICON hIcon = ::CreateIconIndirect(&iconInfo);
    ASSERT_NE(nullptr, hIcon);
    EXPECT_TRUE(canvas.dc().DrawState(CPoint(20, 2), CSize(8, 8), hIcon, DSS_NORMAL, static_cast<HBRUSH>(nullptr)));
    EXPECT_EQ(kBlue, canvas.Pixel(24, 5));
    EXPECT_TRUE(canvas.dc().DrawIcon(CPoint(30, 10), hIcon));
    EXPECT_EQ(kBlue, canvas.Pixel(33, 13));
    ::DestroyIcon(hIcon);

    EXPECT_TRUE(canvas.dc().DrawState(CPoint(0, 12), CSize(40, 8), "Mm", DSS_NORMAL, FALSE, 2,
                                      static_cast<HBRUSH>(nullptr)));
    EXPECT_LT(canvas.CountPixels(CRect(0, 12, 40, 20), kWhite), 40 * 8);
}

TEST(CDCSelection, SelectObjectReturnsThePreviousObjectOfEachKind)
{
    MemoryCanvas canvas(8, 8);
    CDC& dc = canvas.dc();

    CPen pen1(PS_SOLID, 1, kRed);
    CPen pen2(PS_SOLID, 1, kBlue);
    CPen* pOriginalPen = dc.SelectObject(&pen1);
    ASSERT_NE(nullptr, pOriginalPen);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), pOriginalPen->GetSafeHandle());
    EXPECT_TRUE(pOriginalPen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(&pen1, dc.SelectObject(&pen2));
    EXPECT_EQ(&pen2, dc.GetCurrentPen());

    CBrush brush(kGreen);
    CBrush* pOriginalBrush = dc.SelectObject(&brush);
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), pOriginalBrush->GetSafeHandle());
    EXPECT_EQ(&brush, dc.SelectObject(pOriginalBrush));

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Tahoma"));
    CFont* pOriginalFont = dc.SelectObject(&font);
    ASSERT_NE(nullptr, pOriginalFont);
    EXPECT_TRUE(pOriginalFont->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(&font, dc.SelectObject(pOriginalFont));

    CBitmap other;
    ASSERT_TRUE(other.CreateCompatibleBitmap(&dc, 4, 4));
    EXPECT_EQ(&canvas.bitmap(), dc.SelectObject(&other));
    EXPECT_EQ(&other, dc.SelectObject(&canvas.bitmap()));

    CGdiObject* pPrevious = dc.SelectStockObject(NULL_PEN);
    EXPECT_EQ(&pen2, pPrevious);
    CGdiObject* pStock = dc.SelectObject(pOriginalPen);
    EXPECT_EQ(::GetStockObject(NULL_PEN), pStock->GetSafeHandle());
}

TEST(CDCSelection, SelectClipRgnLimitsDrawing)
{
    MemoryCanvas canvas(10, 10);
    CRgn region;
    ASSERT_TRUE(region.CreateRectRgn(0, 0, 5, 10));
    EXPECT_EQ(SIMPLEREGION, canvas.dc().SelectClipRgn(&region));
    canvas.dc().FillSolidRect(0, 0, 10, 10, kRed);
    EXPECT_EQ(50, canvas.CountPixels(CRect(0, 0, 10, 10), kRed));

    EXPECT_EQ(SIMPLEREGION, canvas.dc().SelectClipRgn(nullptr));
    CRect box;
    EXPECT_EQ(SIMPLEREGION, canvas.dc().GetClipBox(&box));
    EXPECT_EQ(CRect(0, 0, 10, 10), box);
}

TEST(CDCState, SaveDCAndRestoreDCBringBackColoursObjectsAndClipping)
{
    MemoryCanvas canvas(10, 10);
    CDC& dc = canvas.dc();
    dc.SetTextColor(kRed);
    CPen pen(PS_SOLID, 1, kBlue);
    CPen* pOriginalPen = dc.GetCurrentPen();

    int nSaved = dc.SaveDC();
    ASSERT_NE(0, nSaved);
    dc.SetTextColor(kGreen);
    dc.SelectObject(&pen);
    dc.IntersectClipRect(0, 0, 2, 2);
    dc.SetViewportOrg(3, 3);
    EXPECT_EQ(kGreen, dc.GetTextColor());

    ASSERT_TRUE(dc.RestoreDC(nSaved));
    EXPECT_EQ(kRed, dc.GetTextColor());
    EXPECT_EQ(pOriginalPen, dc.GetCurrentPen());
    EXPECT_EQ(CPoint(0, 0), dc.GetViewportOrg());
    CRect box;
    dc.GetClipBox(&box);
    EXPECT_EQ(CRect(0, 0, 10, 10), box);
}

TEST(CDCClipping, IntersectAndExcludeClipRect)
{
    MemoryCanvas canvas(10, 10);
    canvas.dc().IntersectClipRect(CRect(2, 2, 8, 8));
    canvas.dc().ExcludeClipRect(4, 4, 6, 6);
    canvas.dc().FillSolidRect(0, 0, 10, 10, kRed);

    EXPECT_EQ(36 - 4, canvas.CountPixels(CRect(0, 0, 10, 10), kRed));
    EXPECT_EQ(kWhite, canvas.Pixel(1, 1));
    EXPECT_EQ(kWhite, canvas.Pixel(4, 4));
    EXPECT_EQ(kRed, canvas.Pixel(3, 3));
}

TEST(CDCMapping, ViewportAndWindowOriginsMoveTheDrawing)
{
    MemoryCanvas canvas(20, 20);
    CDC& dc = canvas.dc();
    EXPECT_EQ(CPoint(0, 0), dc.SetViewportOrg(5, 5));
    EXPECT_EQ(CPoint(5, 5), dc.OffsetViewportOrg(1, 2));
    dc.SetWindowOrg(2, 2);
    dc.SetPixel(2, 2, kRed);
    EXPECT_EQ(kRed, canvas.Pixel(6, 7));

    CPoint point(2, 2);
    dc.LPtoDP(&point);
    EXPECT_EQ(CPoint(6, 7), point);
    dc.DPtoLP(&point);
    EXPECT_EQ(CPoint(2, 2), point);
}

TEST(CDCMapping, SizesScaleWithAnIsotropicMapping)
{
    MemoryCanvas canvas(20, 20);
    CDC& dc = canvas.dc();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, -100);
    dc.SetViewportExt(50, 50);
    EXPECT_EQ(MM_ANISOTROPIC, dc.GetMapMode());

    CSize size(10, 10);
    dc.LPtoDP(&size);
    EXPECT_EQ(CSize(5, 5), size);
    dc.DPtoLP(&size);
    EXPECT_EQ(CSize(10, 10), size);
}

TEST(CDCText, TextExtentsAndDrawTextAgree)
{
    MemoryCanvas canvas(200, 50);
    CDC& dc = canvas.dc();
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Tahoma"));
    CFont* pOldFont = dc.SelectObject(&font);

    CString text("Korvo");
    CSize extent = dc.GetTextExtent(text);
    EXPECT_GT(extent.cx, 0);
    EXPECT_GT(extent.cy, 0);
    EXPECT_EQ(extent, dc.GetTextExtent("Korvo", 5));
    EXPECT_LT(dc.GetTextExtent("Ko", 2).cx, extent.cx);

    CRect rect(0, 0, 0, 0);
    dc.DrawText(text, &rect, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(extent.cx, rect.Width());

    dc.SetTextColor(kBlack);
    dc.SetBkMode(TRANSPARENT);
    EXPECT_TRUE(dc.TextOut(2, 2, text));
    EXPECT_GT(canvas.CountPixels(CRect(0, 0, 200, 50), kWhite), 0);
    EXPECT_LT(canvas.CountPixels(CRect(0, 0, 200, 50), kWhite), 200 * 50);

    CString face;
    dc.GetTextFace(face);
    EXPECT_STREQ("Tahoma", face);
    dc.SelectObject(pOldFont);
}

TEST(CDCText, ExtTextOutOpaqueFillsTheRectangleWithTheBackground)
{
    MemoryCanvas canvas(40, 20);
    canvas.dc().SetBkColor(kBlue);
    CRect rect(0, 0, 40, 20);
    canvas.dc().ExtTextOut(0, 0, ETO_OPAQUE, &rect, CString(), nullptr);
    EXPECT_EQ(40 * 20, canvas.CountPixels(rect, kBlue));
}

TEST(CDCDragRect, DrawingTwiceRestoresThePicture)
{
    MemoryCanvas canvas(40, 40);
    CRect rect(5, 5, 25, 25);
    CSize size(3, 3);
    canvas.dc().DrawDragRect(&rect, size, nullptr, CSize(0, 0));

    // The frame is a halftone: half of its pixels are inverted.
    CRect inner(rect);
    inner.DeflateRect(size.cx, size.cy);
    int frameArea = rect.Width() * rect.Height() - inner.Width() * inner.Height();
    EXPECT_EQ(frameArea / 2, canvas.CountPixels(rect, kBlack));
    EXPECT_EQ(0, canvas.CountPixels(inner, kBlack));
    EXPECT_EQ(0, canvas.CountPixels(CRect(25, 0, 40, 40), kBlack));

    // Moving it: the old frame is erased in the same call.
    CRect moved(rect);
    moved.OffsetRect(10, 10);
    canvas.dc().DrawDragRect(&moved, size, &rect, size);
    EXPECT_EQ(frameArea / 2, canvas.CountPixels(CRect(0, 0, 40, 40), kBlack));
    EXPECT_EQ(0, canvas.CountPixels(CRect(5, 5, 25, 8), kBlack));

    // An empty size erases only.
    canvas.dc().DrawDragRect(&moved, CSize(0, 0), &moved, size);
    EXPECT_EQ(0, canvas.CountPixels(CRect(0, 0, 40, 40), kBlack));
}

TEST(CDCDragRect, KeepsTheCallersClipping)
{
    MemoryCanvas canvas(40, 40);
    canvas.dc().IntersectClipRect(0, 0, 15, 40);
    CRect rect(5, 5, 25, 25);
    canvas.dc().DrawDragRect(&rect, CSize(2, 2), nullptr, CSize(0, 0));
    EXPECT_EQ(0, canvas.CountPixels(CRect(15, 0, 40, 40), kBlack));
    EXPECT_GT(canvas.CountPixels(CRect(0, 0, 15, 40), kBlack), 0);

    CRect box;
    canvas.dc().GetClipBox(&box);
    EXPECT_EQ(CRect(0, 0, 15, 40), box);
}

TEST(CDCEdges, DrawEdgeAndDrawFocusRectChangePixelsOnlyOnTheFrame)
{
    MemoryCanvas canvas(20, 20, RGB(128, 128, 128));
    CRect rect(2, 2, 18, 18);
    EXPECT_TRUE(canvas.dc().DrawEdge(&rect, EDGE_SUNKEN, BF_RECT));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.Pixel(2, 2));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.Pixel(17, 17));
    EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(10, 10));

    MemoryCanvas focus(20, 20);
    focus.dc().DrawFocusRect(CRect(2, 2, 18, 18));
    EXPECT_GT(focus.CountPixels(CRect(2, 2, 18, 3), kBlack), 0);
    EXPECT_EQ(0, focus.CountPixels(CRect(3, 3, 17, 17), kBlack));
}

TEST(CDCHandles, FromHandleGivesTheAttachedObjectOrATemporaryOne)
{
    MemoryCanvas canvas(4, 4);
    HDC hDC = canvas.dc().GetSafeHdc();
    EXPECT_EQ(&canvas.dc(), CDC::FromHandle(hDC));

    HDC hOther = ::CreateCompatibleDC(nullptr);
    CDC* pTemporary = CDC::FromHandle(hOther);
    ASSERT_NE(nullptr, pTemporary);
    EXPECT_EQ(hOther, pTemporary->m_hDC);
    EXPECT_EQ(hOther, pTemporary->m_hAttribDC);
    EXPECT_EQ(pTemporary, CDC::FromHandle(hOther));
    AfxDeleteTempGdiObjects();
    // Freeing the temporary object leaves the DC alive.
    EXPECT_EQ(OBJ_MEMDC, static_cast<int>(::GetObjectType(hOther)));
    ::DeleteDC(hOther);

    EXPECT_EQ(nullptr, CDC::FromHandle(nullptr));
    CDC* pNull = nullptr;
    EXPECT_EQ(nullptr, pNull->GetSafeHdc());
}

TEST(CDCHandles, DetachKeepsTheDCAndDeleteDCDestroysIt)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HDC hDC = dc.Detach();
    EXPECT_EQ(nullptr, dc.m_hDC);
    EXPECT_EQ(nullptr, dc.m_hAttribDC);
    EXPECT_EQ(OBJ_MEMDC, static_cast<int>(::GetObjectType(hDC)));
    EXPECT_NE(&dc, CDC::FromHandle(hDC));

    ASSERT_TRUE(dc.Attach(hDC));
    EXPECT_TRUE(dc.DeleteDC());
    EXPECT_EQ(0u, ::GetObjectType(hDC));
    EXPECT_FALSE(dc.DeleteDC());
    AfxDeleteTempGdiObjects();
}

TEST(CDCWindowDCs, ClientAndWindowDCsOfTheScreen)
{
    CClientDC screen(static_cast<HWND>(nullptr));
    EXPECT_NE(nullptr, screen.GetSafeHdc());
    EXPECT_GT(screen.GetDeviceCaps(HORZRES), 0);
    EXPECT_EQ(&screen, CDC::FromHandle(screen.m_hDC));

    CWindowDC desktop(::GetDesktopWindow());
    EXPECT_NE(nullptr, desktop.GetSafeHdc());
    EXPECT_EQ(screen.GetDeviceCaps(BITSPIXEL), desktop.GetDeviceCaps(BITSPIXEL));
}

} // namespace
