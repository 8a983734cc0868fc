#include "foundation/CVrxPToolbarImageList.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "foundation/VrxPLibraryResources.h"
#include "themes/CVrxPVisualManager.h"

#include "TestBitmaps.h"
#include "TestCanvas.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF white = RGB(255, 255, 255);

// A list holding the test strip, its key colour transparent.
class ImageListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HBITMAP hStrip = MakeStripBitmap(3);
        ASSERT_EQ(2, m_list.AppendImage(hStrip, TRUE));
        DeleteObject(hStrip);
        m_list.ChangeTransparentColor(testKey);
    }

    // Draws image nIndex at (4, 4) of a white 40 x 40 canvas.
    void Draw(TestCanvas& canvas, int nIndex, BOOL bDithered = FALSE, BOOL bDisabled = FALSE, BOOL bShade = FALSE)
    {
        CVrxPImageDrawState state;
        ASSERT_TRUE(m_list.BeginDraw(state));
        EXPECT_TRUE(m_list.DrawImage(&canvas.DC(), 4, 4, nIndex, bDithered, bDisabled, FALSE, bShade));
        m_list.EndDraw(state);
    }

    CVrxPToolbarImageList m_list;
};

TEST(CVrxPToolbarImageList, ResourceAddedTwiceIsLoadedOnce)
{
    CVrxPToolbarImageList list;
    list.SetImageSize(CSize(9, 9));
    ASSERT_TRUE(list.LoadFromResource(VrxPIdbMenuGlyphs, NULL, TRUE));
    EXPECT_EQ(36, list.GetCount());
    EXPECT_TRUE(list.LoadFromResource(VrxPIdbMenuGlyphs, NULL, TRUE));
    EXPECT_EQ(36, list.GetCount());
    ASSERT_TRUE(list.LoadFromResource(VrxPIdbMenuGlyphs16, NULL, TRUE));
    EXPECT_EQ(72, list.GetCount());
    EXPECT_EQ(0, list.FirstIndexOfResource(VrxPIdbMenuGlyphs));
    EXPECT_EQ(36, list.FirstIndexOfResource(VrxPIdbMenuGlyphs16));
    EXPECT_EQ(-1, list.FirstIndexOfResource(1));
}

TEST(CVrxPToolbarImageList, MissingResourceFails)
{
    CVrxPToolbarImageList list;
    EXPECT_FALSE(list.LoadFromResource(4242));
    EXPECT_EQ(0, list.GetCount());
}

// A strip loaded in place (not added) comes back when the list reloads.
TEST(CVrxPToolbarImageList, ReplacedStripSurvivesAReload)
{
    CVrxPToolbarImageList list;
    list.SetImageSize(CSize(9, 9));
    ASSERT_TRUE(list.LoadFromResource(VrxPIdbMenuGlyphs));
    list.ReloadImages();
    EXPECT_EQ(36, list.GetCount());
}

TEST(CVrxPToolbarImageList, AppendingThreeImagesToAnEmptyListGivesIndexTwo)
{
    CVrxPToolbarImageList list;
    HBITMAP hStrip = MakeStripBitmap(3);
    EXPECT_EQ(2, list.AppendImage(hStrip));
    EXPECT_EQ(3, list.GetCount());
    EXPECT_TRUE(list.IsModified());
    HBITMAP hOne = MakeStripBitmap(1);
    EXPECT_EQ(3, list.AppendImage(hOne));
    DeleteObject(hStrip);
    DeleteObject(hOne);
}

TEST(CVrxPToolbarImageList, PremultipliesWhiteHalfAlpha)
{
    void* pBits = nullptr;
    HBITMAP hBitmap = CVrxPPainter::MakeDibSection32(2, 1, &pBits);
    DWORD* pPixels = static_cast<DWORD*>(pBits);
    pPixels[0] = 0x80FFFFFF;
    pPixels[1] = 0xFF102030;
    ASSERT_TRUE(CVrxPToolbarImageList::PremultiplyAlpha(hBitmap, FALSE));
    EXPECT_EQ(0x80808080u, pPixels[0]);
    EXPECT_EQ(0xFF102030u, pPixels[1]);
    DeleteObject(hBitmap);
}

TEST(CVrxPToolbarImageList, PremultiplyOnlyWhenNeededLeavesOrdinaryStrips)
{
    void* pBits = nullptr;
    HBITMAP hBitmap = CVrxPPainter::MakeDibSection32(1, 1, &pBits);
    static_cast<DWORD*>(pBits)[0] = 0x64102030;
    ASSERT_TRUE(CVrxPToolbarImageList::PremultiplyAlpha(hBitmap, TRUE));
    EXPECT_EQ(0x64102030u, static_cast<DWORD*>(pBits)[0]);
    DeleteObject(hBitmap);
    HBITMAP hScreen = MakeStripBitmap(1);
    EXPECT_FALSE(CVrxPToolbarImageList::PremultiplyAlpha(hScreen, FALSE));
    DeleteObject(hScreen);
}

TEST(CVrxPToolbarImageList, BareFileNameIsTakenFromTheProgramDirectory)
{
    const std::string name = "vrx-test-strip.bmp";
    ASSERT_TRUE(WriteStripFile(ProgramDirectory() + name, 2));
    CVrxPToolbarImageList list;
    EXPECT_TRUE(list.LoadFromFile(name.c_str()));
    EXPECT_EQ(2, list.GetCount());
    EXPECT_STREQ((ProgramDirectory() + name).c_str(), list.GetFileName());
    DeleteFile((ProgramDirectory() + name).c_str());

    const std::string full = TempDirectory() + "vrx-test-full.bmp";
    ASSERT_TRUE(WriteStripFile(full, 1));
    EXPECT_TRUE(list.LoadFromFile(full.c_str()));
    EXPECT_STREQ(full.c_str(), list.GetFileName());
    DeleteFile(full.c_str());
}

TEST(CVrxPToolbarImageList, ReadOnlyFileLoadsButIsNotSaved)
{
    const std::string path = TempDirectory() + "vrx-test-readonly.bmp";
    ASSERT_TRUE(WriteStripFile(path, 2));
    SetFileAttributes(path.c_str(), FILE_ATTRIBUTE_READONLY);
    CVrxPToolbarImageList list;
    EXPECT_TRUE(list.LoadFromFile(path.c_str()));
    EXPECT_TRUE(list.IsReadOnly());
    HBITMAP hOne = MakeStripBitmap(1);
    EXPECT_TRUE(list.OverwriteImage(1, hOne));
    EXPECT_FALSE(list.SaveToFile());
    DeleteObject(hOne);
    SetFileAttributes(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFile(path.c_str());
}

TEST(CVrxPToolbarImageList, EditedStripIsSavedAndLoadsAgain)
{
    const std::string path = TempDirectory() + "vrx-test-saved.bmp";
    ASSERT_TRUE(WriteStripFile(path, 2));
    {
        CVrxPToolbarImageList list;
        ASSERT_TRUE(list.LoadFromFile(path.c_str()));
        HBITMAP hOne = MakeStripBitmap(1);
        ASSERT_TRUE(list.OverwriteImage(1, hOne));
        DeleteObject(hOne);
        EXPECT_TRUE(list.SaveToFile());
        EXPECT_FALSE(list.IsModified());
    }
    CVrxPToolbarImageList reloaded;
    ASSERT_TRUE(reloaded.LoadFromFile(path.c_str()));
    ASSERT_EQ(2, reloaded.GetCount());
    reloaded.ChangeTransparentColor(testKey);
    TestCanvas canvas(40, 40);
    CVrxPImageDrawState state;
    ASSERT_TRUE(reloaded.BeginDraw(state));
    reloaded.DrawImage(&canvas.DC(), 0, 0, 1);
    reloaded.EndDraw(state);
    // Image 1 now holds what image 0 held.
    EXPECT_EQ(BlockColor(0), canvas.Pixel(5, 5));
    EXPECT_EQ(white, canvas.Pixel(12, 12));
    DeleteFile(path.c_str());
}

TEST_F(ImageListTest, IndexOutsideTheListIsRefused)
{
    TestCanvas canvas(40, 40);
    CVrxPImageDrawState state;
    ASSERT_TRUE(m_list.BeginDraw(state));
    EXPECT_FALSE(m_list.DrawImage(&canvas.DC(), 0, 0, -1));
    EXPECT_FALSE(m_list.DrawImage(&canvas.DC(), 0, 0, m_list.GetCount()));
    m_list.EndDraw(state);
    EXPECT_EQ(40 * 40, canvas.Count(CRect(0, 0, 40, 40), white));
}

TEST_F(ImageListTest, NormalImageLeavesItsKeyColourOut)
{
    TestCanvas canvas(40, 40);
    Draw(canvas, 1);
    EXPECT_EQ(BlockColor(1), canvas.Pixel(4 + 5, 4 + 5));
    EXPECT_EQ(BlockColor(1), canvas.Pixel(4, 4));
    EXPECT_EQ(white, canvas.Pixel(4 + 12, 4 + 12));
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 40, 40), testKey));
}

TEST_F(ImageListTest, PassRemembersWhereItDrewLast)
{
    TestCanvas canvas(60, 60);
    CVrxPImageDrawState state;
    ASSERT_TRUE(m_list.BeginDraw(state, 32, 30));
    m_list.DrawImage(&canvas.DC(), 4, 6, 0);
    EXPECT_TRUE(m_list.GetLastDrawRect() == CRect(4, 6, 36, 36));
    m_list.EndDraw(state);
    EXPECT_TRUE(m_list.GetLastDrawRect().IsRectEmpty());
}

TEST_F(ImageListTest, DisabledDeepImageIsGreyed)
{
    TestCanvas canvas(40, 40);
    Draw(canvas, 0, FALSE, TRUE);
    const COLORREF greyed = canvas.Pixel(4 + 5, 4 + 5);
    EXPECT_EQ(GetRValue(greyed), GetGValue(greyed));
    EXPECT_EQ(GetGValue(greyed), GetBValue(greyed));
    EXPECT_EQ(white, canvas.Pixel(4 + 12, 4 + 12));
    // Nothing outside the image turns grey.
    EXPECT_EQ(white, canvas.Pixel(4 + 16, 4 + 5));
}

TEST_F(ImageListTest, DitheredImageKeepsItsPixelsAndShadesTheBackground)
{
    TestCanvas canvas(40, 40);
    Draw(canvas, 2, TRUE);
    EXPECT_EQ(BlockColor(2), canvas.Pixel(4 + 5, 4 + 5));
    LOGBRUSH halftone = {};
    VrxPGlobals().brushHalftone.GetLogBrush(&halftone);
    EXPECT_EQ(halftone.lbColor, canvas.Pixel(4 + 12, 4 + 12));
    EXPECT_EQ(white, canvas.Pixel(4 + 20, 4 + 12));
}

TEST_F(ImageListTest, ShadeDrawsTheSilhouetteInTheShadeColour)
{
    ASSERT_TRUE(m_list.BuildDerivedImage(CVrxPToolbarImageList::dropShadeImage));
    ASSERT_NE(nullptr, m_list.GetDerivedImage(CVrxPToolbarImageList::dropShadeImage));
    TestCanvas canvas(40, 40);
    Draw(canvas, 0, FALSE, FALSE, TRUE);
    const COLORREF shade = CVrxPPainter::ScaleColor(CVrxPVisualManager::Instance()->QueryDisabledImageColor(), 67);
    EXPECT_EQ(shade, canvas.Pixel(4 + 5, 4 + 5));
    EXPECT_EQ(white, canvas.Pixel(4 + 12, 4 + 12));
}

TEST(CVrxPToolbarImageList, SameTransparentColourRebuildsNothing)
{
    CVrxPToolbarImageList list;
    HBITMAP hStrip = MakeStripBitmap(2);
    list.AppendImage(hStrip);
    DeleteObject(hStrip);
    ASSERT_EQ(nullptr, list.GetDerivedImage(CVrxPToolbarImageList::dropShadeImage));
    EXPECT_EQ(static_cast<COLORREF>(-1), list.ChangeTransparentColor(static_cast<COLORREF>(-1)));
    EXPECT_EQ(nullptr, list.GetDerivedImage(CVrxPToolbarImageList::dropShadeImage));
    EXPECT_EQ(static_cast<COLORREF>(-1), list.ChangeTransparentColor(testKey));
    EXPECT_NE(nullptr, list.GetDerivedImage(CVrxPToolbarImageList::dropShadeImage));
}

TEST_F(ImageListTest, FittedImageIsCentredOrStretched)
{
    TestCanvas canvas(60, 60);
    EXPECT_TRUE(m_list.DrawFitted(&canvas.DC(), CRect(0, 0, 30, 30), 0, 1, 1));
    // 16 x 15 centred in 30 x 30: at (7, 7).
    EXPECT_EQ(BlockColor(0), canvas.Pixel(7, 7));
    EXPECT_EQ(white, canvas.Pixel(6, 7));

    canvas.Fill(white);
    EXPECT_TRUE(m_list.DrawFitted(&canvas.DC(), CRect(0, 0, 32, 30), 0, 3, 3));
    // Stretched twice: the block's column 2..9 becomes 4..19.
    EXPECT_EQ(BlockColor(0), canvas.Pixel(4, 10));
    EXPECT_EQ(BlockColor(0), canvas.Pixel(19, 10));
    EXPECT_EQ(white, canvas.Pixel(21, 10));
}

TEST_F(ImageListTest, FittedImageIsClippedToItsRectangle)
{
    TestCanvas canvas(60, 60);
    EXPECT_TRUE(m_list.DrawFitted(&canvas.DC(), CRect(10, 10, 16, 40), 0, 2, 0));
    // Right-aligned 16 wide into 6: the image's last six columns, none of the block.
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 60, 60), BlockColor(0)));
    canvas.Fill(white);
    EXPECT_TRUE(m_list.DrawFitted(&canvas.DC(), CRect(10, 10, 16, 40), 0, 0, 0));
    EXPECT_EQ(BlockColor(0), canvas.Pixel(10, 10));
    EXPECT_EQ(BlockColor(0), canvas.Pixel(15, 15));
    EXPECT_EQ(white, canvas.Pixel(16, 15));
    EXPECT_FALSE(m_list.DrawFitted(&canvas.DC(), CRect(10, 10, 10, 40), 0, 0, 0));
}

TEST_F(ImageListTest, RecolouredAndGreyedImages)
{
    ASSERT_TRUE(m_list.RecolorImages(FALSE, BlockColor(0), RGB(0, 0, 99)));
    TestCanvas canvas(40, 40);
    Draw(canvas, 0);
    EXPECT_EQ(RGB(0, 0, 99), canvas.Pixel(9, 9));

    ASSERT_TRUE(m_list.DesaturateAll(100));
    canvas.Fill(white);
    Draw(canvas, 1);
    // Green 0x008000 has lightness 64 / 255.
    const COLORREF grey = canvas.Pixel(9, 9);
    EXPECT_NEAR(64, GetRValue(grey), 1);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
    EXPECT_EQ(white, canvas.Pixel(4 + 12, 4 + 12));
}

TEST_F(ImageListTest, HorizontalFlipMirrorsEachImage)
{
    ASSERT_TRUE(m_list.FlipImagesHorizontally());
    TestCanvas canvas(40, 40);
    Draw(canvas, 1);
    EXPECT_EQ(BlockColor(1), canvas.Pixel(4 + 15, 4));
    EXPECT_EQ(white, canvas.Pixel(4, 4));
    EXPECT_EQ(BlockColor(1), canvas.Pixel(4 + 13, 4 + 3));
}

TEST_F(ImageListTest, RightToLeftListsMirrorWhatTheyAppend)
{
    CVrxPToolbarImageList::SetRightToLeft(TRUE);
    CVrxPToolbarImageList list;
    HBITMAP hStrip = MakeStripBitmap(2);
    list.AppendImage(hStrip);
    DeleteObject(hStrip);
    CVrxPToolbarImageList::SetRightToLeft(FALSE);
    list.ChangeTransparentColor(testKey);
    TestCanvas canvas(40, 40);
    CVrxPImageDrawState state;
    ASSERT_TRUE(list.BeginDraw(state));
    list.DrawImage(&canvas.DC(), 0, 0, 1);
    list.EndDraw(state);
    EXPECT_EQ(BlockColor(1), canvas.Pixel(15, 0));
    EXPECT_EQ(white, canvas.Pixel(0, 0));
}

TEST_F(ImageListTest, BorrowedListRefusesChanges)
{
    CVrxPToolbarImageList borrowed;
    m_list.ShareInto(borrowed);
    EXPECT_TRUE(borrowed.IsBorrowed());
    EXPECT_EQ(3, borrowed.GetCount());
    EXPECT_EQ(m_list.GetStrip(), borrowed.GetStrip());
    HBITMAP hOne = MakeStripBitmap(1);
    EXPECT_EQ(-1, borrowed.AppendImage(hOne));
    DeleteObject(hOne);
    EXPECT_FALSE(borrowed.LoadFromResource(VrxPIdbMenuGlyphs));
    EXPECT_FALSE(borrowed.RecolorImages(FALSE, 0, RGB(1, 1, 1)));
    CVrxPToolbarImageList copy;
    EXPECT_FALSE(m_list.CopyImagesFrom(borrowed));
    EXPECT_TRUE(m_list.CopyImagesFrom(copy));
    EXPECT_EQ(3, copy.GetCount());
    EXPECT_NE(m_list.GetStrip(), copy.GetStrip());
}

TEST(CVrxPToolbarImageList, KeyedBlitLeavesTheKeyOutOnBothPaths)
{
    TestCanvas source(8, 8, testKey);
    source.DC().FillSolidRect(2, 2, 3, 3, RGB(0, 0, 255));
    for (BOOL bRightToLeft : {FALSE, TRUE})
    {
        CVrxPToolbarImageList::SetRightToLeft(bRightToLeft);
        TestCanvas target(20, 20);
        CVrxPToolbarImageList::BlitWithKeyColor(&target.DC(), 5, 5, 8, 8, &source.DC(), 0, 0, testKey);
        EXPECT_EQ(9, target.Count(CRect(0, 0, 20, 20), RGB(0, 0, 255)));
        EXPECT_EQ(RGB(0, 0, 255), target.Pixel(7, 7));
        EXPECT_EQ(0, target.Count(CRect(0, 0, 20, 20), testKey));
    }
    CVrxPToolbarImageList::SetRightToLeft(FALSE);
}

TEST(CVrxPToolbarImageList, RegionLeavesOutTheColouredPixels)
{
    HBITMAP hStrip = MakeStripBitmap(1);
    HRGN hRegion = CVrxPToolbarImageList::RegionFromBitmap(hStrip, testKey);
    ASSERT_NE(nullptr, hRegion);
    EXPECT_TRUE(PtInRegion(hRegion, 5, 5));
    EXPECT_TRUE(PtInRegion(hRegion, 0, 0));
    EXPECT_FALSE(PtInRegion(hRegion, 1, 0));
    EXPECT_FALSE(PtInRegion(hRegion, 12, 12));
    DeleteObject(hRegion);
    DeleteObject(hStrip);
}

TEST_F(ImageListTest, IconOfAnImage)
{
    HICON hIcon = m_list.IconFromImage(1);
    ASSERT_NE(nullptr, hIcon);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hIcon, &info));
    BITMAP bitmap = {};
    GetObject(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(16, bitmap.bmWidth);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(hIcon);
    EXPECT_EQ(nullptr, m_list.IconFromImage(3));
}

TEST(CVrxPToolbarImageList, StandardColoursMapBothWays)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    EXPECT_EQ(globals.colorFace, CVrxPToolbarImageList::SubstituteSysColor(RGB(192, 192, 192), FALSE));
    EXPECT_EQ(RGB(12, 34, 56), CVrxPToolbarImageList::SubstituteSysColor(RGB(12, 34, 56), FALSE));
    EXPECT_EQ(RGB(192, 192, 192), CVrxPToolbarImageList::RestoreSysColor(globals.colorFace, FALSE));
    const COLORREF shadeSwapped = RGB(GetBValue(globals.colorShade), GetGValue(globals.colorShade),
                                      GetRValue(globals.colorShade));
    EXPECT_EQ(RGB(128, 128, 128), CVrxPToolbarImageList::RestoreSysColor(shadeSwapped, TRUE));
}
} // namespace
