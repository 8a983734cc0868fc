// The OBM_ bitmap ids.
#define OEMRESOURCE

#include "GdiTestResources.h"

#include "gdi/CBitmap.h"
#include "gdi/CBrush.h"
#include "gdi/CDC.h"
#include "gdi/CFont.h"
#include "gdi/CPalette.h"
#include "gdi/CPen.h"
#include "gdi/CRgn.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

bool HandleAlive(HGDIOBJ hObject)
{
    return ::GetObjectType(hObject) != 0;
}

TEST(CGdiObjectHandles, TheDestructorDeletesAnOwnedHandle)
{
    HGDIOBJ hPen;
    {
        CPen pen(PS_SOLID, 2, RGB(1, 2, 3));
        hPen = pen.GetSafeHandle();
        ASSERT_TRUE(HandleAlive(hPen));
        EXPECT_EQ(&pen, CGdiObject::FromHandle(hPen));
        EXPECT_EQ(&pen, CPen::FromHandle(static_cast<HPEN>(hPen)));
    }
    EXPECT_FALSE(HandleAlive(hPen));
}

TEST(CGdiObjectHandles, DetachHandsTheHandleBackAlive)
{
    HGDIOBJ hBrush;
    {
        CBrush brush(RGB(10, 20, 30));
        hBrush = brush.Detach();
        EXPECT_EQ(nullptr, brush.GetSafeHandle());
    }
    EXPECT_TRUE(HandleAlive(hBrush));
    CGdiObject* pTemporary = CGdiObject::FromHandle(hBrush);
    EXPECT_EQ(hBrush, pTemporary->GetSafeHandle());
    ::DeleteObject(hBrush);
    AfxDeleteTempGdiObjects();
}

TEST(CGdiObjectHandles, TemporaryObjectsHaveTheClassOfTheirHandle)
{
    struct Case { HGDIOBJ hObject; CRuntimeClass* pClass; } cases[] = {
        {::CreatePen(PS_SOLID, 1, 0), RUNTIME_CLASS(CPen)},
        {::CreateSolidBrush(0), RUNTIME_CLASS(CBrush)},
        {::CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma"), RUNTIME_CLASS(CFont)},
        {::CreateBitmap(2, 2, 1, 1, nullptr), RUNTIME_CLASS(CBitmap)},
        {::CreateRectRgn(0, 0, 1, 1), RUNTIME_CLASS(CRgn)},
        {::GetStockObject(DEFAULT_PALETTE), RUNTIME_CLASS(CPalette)},
    };
    for (const Case& c : cases)
    {
        CGdiObject* pObject = CGdiObject::FromHandle(c.hObject);
        ASSERT_NE(nullptr, pObject);
        EXPECT_EQ(c.pClass, pObject->GetRuntimeClass()) << c.pClass->m_lpszClassName;
        EXPECT_EQ(pObject, CGdiObject::FromHandle(c.hObject));
    }
    AfxDeleteTempGdiObjects();
    // The temporary objects never owned their handles.
    for (const Case& c : cases)
    {
        EXPECT_TRUE(HandleAlive(c.hObject)) << c.pClass->m_lpszClassName;
        ::DeleteObject(c.hObject);
    }
}

TEST(CGdiObjectHandles, AWrapperWhoseHandleWasDeletedIsNotHandedOutForANewHandle)
{
    HGDIOBJ hFirst = ::CreatePen(PS_SOLID, 1, 0);
    CGdiObject* pFirst = CGdiObject::FromHandle(hFirst);
    ASSERT_TRUE(pFirst->DeleteObject());
    EXPECT_EQ(nullptr, pFirst->GetSafeHandle());

    // The handle value may come back for another object.
    HGDIOBJ hSecond = ::CreateSolidBrush(0);
    CGdiObject* pSecond = CGdiObject::FromHandle(hSecond);
    EXPECT_EQ(hSecond, pSecond->GetSafeHandle());
    EXPECT_TRUE(pSecond->IsKindOf(RUNTIME_CLASS(CBrush)));
    AfxDeleteTempGdiObjects();
    ::DeleteObject(hSecond);
}

TEST(CGdiObjectHandles, TwoObjectsMayAttachTheSameStockObject)
{
    HGDIOBJ hStock = ::GetStockObject(GRAY_BRUSH);
    CBrush second;
    {
        CBrush first;
        ASSERT_TRUE(first.CreateStockObject(GRAY_BRUSH));
        ASSERT_TRUE(second.CreateStockObject(GRAY_BRUSH));
        EXPECT_EQ(&second, CGdiObject::FromHandle(hStock));
        // The first one leaving must not take the second one's entry along.
        first.Detach();
    }
    EXPECT_EQ(&second, CGdiObject::FromHandle(hStock));
    EXPECT_EQ(static_cast<UINT>(OBJ_BRUSH), second.GetObjectType());
    second.Detach();
    EXPECT_NE(&second, CGdiObject::FromHandle(hStock));
    AfxDeleteTempGdiObjects();
}

TEST(CGdiObjectHandles, EachThreadHasItsOwnTemporaryObjects)
{
    HGDIOBJ hPen = ::CreatePen(PS_SOLID, 1, 0);
    std::mutex mutex;
    std::condition_variable changed;
    CGdiObject* pThreadObject = nullptr;
    bool mainDone = false;

    std::thread worker([&] {
        CGdiObject* pObject = CGdiObject::FromHandle(hPen);
        std::unique_lock<std::mutex> lock(mutex);
        pThreadObject = pObject;
        changed.notify_all();
        changed.wait(lock, [&] { return mainDone; });
        // The thread ends with its temporary object still in its map.
    });
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [&] { return pThreadObject != nullptr; });
        CGdiObject* pMainObject = CGdiObject::FromHandle(hPen);
        EXPECT_NE(pThreadObject, pMainObject);
        EXPECT_EQ(hPen, pMainObject->GetSafeHandle());
        EXPECT_EQ(hPen, pThreadObject->GetSafeHandle());
        mainDone = true;
        changed.notify_all();
    }
    worker.join();
    EXPECT_TRUE(HandleAlive(hPen));
    AfxDeleteTempGdiObjects();
    ::DeleteObject(hPen);
}

TEST(CGdiObjectHandles, NullPointersAndNullHandles)
{
    CGdiObject* pNull = nullptr;
    EXPECT_EQ(nullptr, pNull->GetSafeHandle());
    EXPECT_EQ(nullptr, CGdiObject::FromHandle(nullptr));
    CPen pen;
    EXPECT_FALSE(pen.Attach(nullptr));
    EXPECT_FALSE(pen.DeleteObject());
}

TEST(CGdiObjectsCreate, PenBrushAndFontDescribeThemselves)
{
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_DASH, 1, RGB(1, 2, 3)));
    LOGPEN logPen = {};
    EXPECT_EQ(static_cast<int>(sizeof(LOGPEN)), pen.GetLogPen(&logPen));
    EXPECT_EQ(static_cast<UINT>(PS_DASH), logPen.lopnStyle);
    EXPECT_EQ(RGB(1, 2, 3), logPen.lopnColor);

    CBrush hatch(HS_CROSS, RGB(4, 5, 6));
    LOGBRUSH logBrush = {};
    hatch.GetLogBrush(&logBrush);
    EXPECT_EQ(static_cast<UINT>(BS_HATCHED), logBrush.lbStyle);
    EXPECT_EQ(static_cast<ULONG_PTR>(HS_CROSS), logBrush.lbHatch);

    LOGFONT wanted = {};
    wanted.lfHeight = -13;
    wanted.lfWeight = FW_BOLD;
    lstrcpy(wanted.lfFaceName, "Tahoma");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&wanted));
    LOGFONT got = {};
    EXPECT_EQ(static_cast<int>(sizeof(LOGFONT)), font.GetLogFont(&got));
    EXPECT_EQ(-13, got.lfHeight);
    EXPECT_EQ(FW_BOLD, got.lfWeight);
    EXPECT_STREQ("Tahoma", got.lfFaceName);
}

TEST(CGdiObjectsCreate, PointFontsAreSizedForTheDevice)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    int dpi = dc.GetDeviceCaps(LOGPIXELSY);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Tahoma", &dc));
    LOGFONT logFont = {};
    font.GetLogFont(&logFont);
    EXPECT_EQ(-::MulDiv(dpi, 90, 720), logFont.lfHeight);
    EXPECT_EQ(DEFAULT_CHARSET, logFont.lfCharSet);

    // Under a mapping of two logical units per pixel the height doubles.
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2, 2);
    dc.SetViewportExt(1, 1);
    CFont scaled;
    ASSERT_TRUE(scaled.CreatePointFont(90, "Tahoma", &dc));
    scaled.GetLogFont(&logFont);
    EXPECT_EQ(-2 * ::MulDiv(dpi, 90, 720), logFont.lfHeight);
}

TEST(CGdiObjectsCreate, RegionsCombineAndTestPoints)
{
    CRgn left, right, both;
    ASSERT_TRUE(left.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(right.CreateRectRgn(5, 0, 20, 10));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(SIMPLEREGION, both.CombineRgn(&left, &right, RGN_AND));
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(CRect(5, 0, 10, 10), box);
    EXPECT_TRUE(both.PtInRegion(7, 5));
    EXPECT_FALSE(both.PtInRegion(CPoint(3, 5)));

    EXPECT_EQ(COMPLEXREGION, both.CombineRgn(&left, &right, RGN_XOR));
    both.OffsetRgn(CPoint(1, 1));
    EXPECT_TRUE(both.PtInRegion(1, 1));
    EXPECT_FALSE(both.PtInRegion(7, 5));

    CRgn copy;
    ASSERT_TRUE(copy.CreateRectRgn(0, 0, 0, 0));
    copy.CopyRgn(&both);
    EXPECT_TRUE(copy.EqualRgn(&both));
}

TEST(CGdiObjectsCreate, BitmapsFromResourcesAndFromScratch)
{
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(IDB_TEST_STRIP));
    BITMAP info = {};
    EXPECT_EQ(static_cast<int>(sizeof(BITMAP)), strip.GetBitmap(&info));
    EXPECT_EQ(32, info.bmWidth);
    EXPECT_EQ(16, info.bmHeight);

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(9999));
    EXPECT_EQ(nullptr, missing.GetSafeHandle());

    // The magenta background mapped to green.
    COLORMAP colorMap = {RGB(255, 0, 255), RGB(0, 255, 0)};
    CBitmap mapped;
    ASSERT_TRUE(mapped.LoadMappedBitmap(IDB_TEST_STRIP, 0, &colorMap, 1));
    CDC mappedDC;
    mappedDC.CreateCompatibleDC(nullptr);
    CBitmap* pOld = mappedDC.SelectObject(&mapped);
    EXPECT_EQ(RGB(0, 255, 0), mappedDC.GetPixel(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), mappedDC.GetPixel(5, 5));
    mappedDC.SelectObject(pOld);

    CBitmap check;
    ASSERT_TRUE(check.LoadOEMBitmap(OBM_CHECK));
    EXPECT_EQ(OBJ_BITMAP, check.GetObjectType());

    // Rows of a monochrome bitmap are padded to 16 bits.
    const BYTE bits[4] = {0x80, 0x00, 0x40, 0x00};
    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(2, 2, 1, 1, bits));
    mono.GetBitmap(&info);
    EXPECT_EQ(1, info.bmBitsPixel);
    BYTE readBack[4] = {};
    EXPECT_EQ(4u, mono.GetBitmapBits(sizeof(readBack), readBack));
    EXPECT_EQ(0x80, readBack[0] & 0xC0);
    EXPECT_EQ(0x40, readBack[2] & 0xC0);

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap compatible;
    ASSERT_TRUE(compatible.CreateCompatibleBitmap(&dc, 7, 3));
    compatible.GetBitmap(&info);
    EXPECT_EQ(7, info.bmWidth);
    EXPECT_EQ(3, info.bmHeight);
}

TEST(CGdiObjectsCreate, PaletteEntries)
{
    struct
    {
        LOGPALETTE header;
        PALETTEENTRY more[1];
    } palette = {{0x300, 2, {{10, 20, 30, 0}}}, {{40, 50, 60, 0}}};
    CPalette pal;
    ASSERT_TRUE(pal.CreatePalette(&palette.header));
    EXPECT_EQ(2, pal.GetEntryCount());
    PALETTEENTRY entries[2] = {};
    EXPECT_EQ(2u, pal.GetPaletteEntries(0, 2, entries));
    EXPECT_EQ(40, entries[1].peRed);
    EXPECT_EQ(1u, pal.GetNearestPaletteIndex(RGB(41, 50, 60)));
}

} // namespace
