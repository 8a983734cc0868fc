#include "GdiTestResources.h"
#include "MemoryCanvas.h"

#include "gdi/CImageList.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kMagenta = RGB(255, 0, 255);

// A 16 x 16 bitmap in one colour, with an optional square of another.
void PaintBitmap(CBitmap& bitmap, COLORREF fill, COLORREF square = CLR_NONE)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HDC hScreen = ::GetDC(nullptr);
    bitmap.Attach(::CreateCompatibleBitmap(hScreen, 16, 16));
    ::ReleaseDC(nullptr, hScreen);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 16, 16, fill);
    if (square != CLR_NONE)
        dc.FillSolidRect(4, 4, 8, 8, square);
    dc.SelectObject(pOld);
}

TEST(CImageListTest, CreateAddAndCount)
{
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_EQ(0, list.GetImageCount());

    CBitmap red, blue;
    PaintBitmap(red, kMagenta, kRed);
    PaintBitmap(blue, kBlue);
    EXPECT_EQ(0, list.Add(&red, kMagenta));
    EXPECT_EQ(1, list.Add(&blue, static_cast<CBitmap*>(nullptr)));
    EXPECT_EQ(2, list.GetImageCount());

    IMAGEINFO info = {};
    ASSERT_TRUE(list.GetImageInfo(1, &info));
    EXPECT_EQ(16, info.rcImage.right - info.rcImage.left);
    EXPECT_FALSE(list.GetImageInfo(2, &info));

    EXPECT_TRUE(list.Remove(0));
    EXPECT_EQ(1, list.GetImageCount());
    EXPECT_TRUE(list.Remove(-1));
    EXPECT_EQ(0, list.GetImageCount());
}

TEST(CImageListTest, DrawHonoursTheColourMask)
{
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    CBitmap red;
    PaintBitmap(red, kMagenta, kRed);
    ASSERT_EQ(0, list.Add(&red, kMagenta));

    MemoryCanvas canvas(32, 32);
    ASSERT_TRUE(list.Draw(&canvas.dc(), 0, CPoint(8, 8), ILD_TRANSPARENT));
    EXPECT_EQ(kRed, canvas.Pixel(12, 12));
    EXPECT_EQ(kRed, canvas.Pixel(19, 19));
    EXPECT_EQ(kWhite, canvas.Pixel(9, 9));  // magenta was masked out
    EXPECT_EQ(kWhite, canvas.Pixel(20, 20));
    EXPECT_EQ(64, canvas.CountPixels(CRect(0, 0, 32, 32), kRed));
}

TEST(CImageListTest, DrawExWithABackgroundColour)
{
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    CBitmap red;
    PaintBitmap(red, kMagenta, kRed);
    list.Add(&red, kMagenta);

    MemoryCanvas canvas(16, 16);
    ASSERT_TRUE(list.DrawEx(&canvas.dc(), 0, CPoint(0, 0), CSize(16, 16), kBlue, CLR_NONE, ILD_NORMAL));
    EXPECT_EQ(kBlue, canvas.Pixel(0, 0));
    EXPECT_EQ(kRed, canvas.Pixel(8, 8));

    EXPECT_EQ(CLR_NONE, list.SetBkColor(kBlue));
    EXPECT_EQ(kBlue, list.GetBkColor());
}

TEST(CImageListTest, CreateFromABitmapResource)
{
    CImageList list;
    ASSERT_TRUE(list.Create(IDB_TEST_STRIP, 16, 1, kMagenta));
    EXPECT_EQ(2, list.GetImageCount());
    int cx = 0, cy = 0;
    ASSERT_TRUE(list.GetIconSize(&cx, &cy));
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);

    MemoryCanvas canvas(32, 16);
    list.Draw(&canvas.dc(), 0, CPoint(0, 0), ILD_TRANSPARENT);
    list.Draw(&canvas.dc(), 1, CPoint(16, 0), ILD_TRANSPARENT);
    EXPECT_EQ(kWhite, canvas.Pixel(0, 0));
    EXPECT_EQ(kRed, canvas.Pixel(4, 4));
    EXPECT_EQ(16 * 16, canvas.CountPixels(CRect(16, 0, 32, 16), kBlue));

    CImageList missing;
    EXPECT_FALSE(missing.Create(9999, 16, 1, kMagenta));
}

TEST(CImageListTest, IconsGoInAndComeOut)
{
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    CBitmap blue;
    PaintBitmap(blue, kBlue);
    list.Add(&blue, static_cast<CBitmap*>(nullptr));

    HICON hIcon = list.ExtractIcon(0);
    ASSERT_NE(nullptr, hIcon);
    EXPECT_EQ(1, list.Add(hIcon));
    EXPECT_EQ(1, list.Replace(1, hIcon));
    EXPECT_EQ(2, list.GetImageCount());
    ::DestroyIcon(hIcon);

    MemoryCanvas canvas(16, 16);
    list.Draw(&canvas.dc(), 1, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(16 * 16, canvas.CountPixels(CRect(0, 0, 16, 16), kBlue));

    CBitmap red;
    PaintBitmap(red, kRed);
    EXPECT_TRUE(list.Replace(1, &red, static_cast<CBitmap*>(nullptr)));
    list.Draw(&canvas.dc(), 1, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(16 * 16, canvas.CountPixels(CRect(0, 0, 16, 16), kRed));
    EXPECT_EQ(nullptr, list.ExtractIcon(5));
}

TEST(CImageListTest, HandlesAttachDetachAndTemporaryObjects)
{
    HIMAGELIST hList = ImageList_Create(8, 8, ILC_COLOR24, 1, 1);
    CImageList* pTemporary = CImageList::FromHandle(hList);
    ASSERT_NE(nullptr, pTemporary);
    EXPECT_EQ(hList, pTemporary->GetSafeHandle());
    EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(hList));
    AfxDeleteTempGdiObjects();

    {
        CImageList owner;
        ASSERT_TRUE(owner.Attach(hList));
        EXPECT_EQ(&owner, CImageList::FromHandle(hList));
        EXPECT_EQ(&owner, CImageList::FromHandlePermanent(hList));
        EXPECT_EQ(hList, owner.Detach());
        EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(hList));
    }
    // Detached: the list survives its former owner.
    EXPECT_EQ(0, ImageList_GetImageCount(hList));

    CImageList copy;
    CImageList source;
    source.Attach(hList);
    ASSERT_TRUE(copy.Create(&source));
    EXPECT_NE(source.GetSafeHandle(), copy.GetSafeHandle());
    EXPECT_TRUE(source.DeleteImageList());
    EXPECT_FALSE(source.DeleteImageList());

    CImageList* pNull = nullptr;
    EXPECT_EQ(nullptr, pNull->GetSafeHandle());
}

} // namespace
