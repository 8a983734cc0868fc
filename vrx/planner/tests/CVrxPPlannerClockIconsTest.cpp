#include "CVrxPPlannerClockIcons.h"

#include "VrxPPlannerResources.h"

#include "gdi/CBitmap.h"
#include "gdi/CDC.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <vector>

namespace {

const COLORREF background = RGB(0, 128, 255);
const COLORREF black = RGB(0, 0, 0);

// A 24-bit picture in memory to draw on, every pixel readable.
class Canvas
{
public:
    Canvas(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = nWidth;
        info.bmiHeader.biHeight = -nHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        m_hBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_pBits), nullptr, 0);
        m_dc.CreateCompatibleDC(nullptr);
        m_hOld = SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
        Fill(background);
    }
    ~Canvas()
    {
        SelectObject(m_dc.GetSafeHdc(), m_hOld);
        DeleteObject(m_hBitmap);
    }

    CDC* DC() { return &m_dc; }
    void Fill(COLORREF color)
    {
        for (int y = 0; y < m_nHeight; ++y)
            for (int x = 0; x < m_nWidth; ++x)
                SetPixelV(m_dc.GetSafeHdc(), x, y, color);
        GdiFlush();
    }
    COLORREF Pixel(int x, int y) const
    {
        GdiFlush();
        const BYTE* pPixel = m_pBits + y * Stride() + x * 3;
        return RGB(pPixel[2], pPixel[1], pPixel[0]);
    }
    bool IsBlank() const
    {
        for (int y = 0; y < m_nHeight; ++y)
            for (int x = 0; x < m_nWidth; ++x)
                if (Pixel(x, y) != background)
                    return false;
        return true;
    }
    // Saves the picture as a 24-bit .bmp.
    bool Save(const char* path) const
    {
        GdiFlush();
        const DWORD nImageBytes = static_cast<DWORD>(Stride() * m_nHeight);
        BITMAPFILEHEADER file = {};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
        file.bfSize = file.bfOffBits + nImageBytes;
        BITMAPINFOHEADER info = {};
        info.biSize = sizeof info;
        info.biWidth = m_nWidth;
        info.biHeight = -m_nHeight;
        info.biPlanes = 1;
        info.biBitCount = 24;
        FILE* pFile = std::fopen(path, "wb");
        if (pFile == nullptr)
            return false;
        const bool bWritten = std::fwrite(&file, sizeof file, 1, pFile) == 1 &&
                              std::fwrite(&info, sizeof info, 1, pFile) == 1 &&
                              std::fwrite(m_pBits, nImageBytes, 1, pFile) == 1;
        return std::fclose(pFile) == 0 && bWritten;
    }

private:
    int Stride() const { return (m_nWidth * 3 + 3) & ~3; }

    int m_nWidth;
    int m_nHeight;
    CDC m_dc;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    BYTE* m_pBits = nullptr;
};

// One of the planner's strips as white (true) and black pixels, rows from
// the top.
struct Strip
{
    int nWidth = 0;
    int nHeight = 0;
    std::vector<bool> white;

    bool IsWhite(int nImage, int nImageWidth, int x, int y) const
    {
        return white[static_cast<size_t>(y * nWidth + nImage * nImageWidth + x)];
    }
};

Strip LoadStrip(UINT nBitmapId)
{
    Strip strip;
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nBitmapId))
        return strip;
    BITMAP info = {};
    bitmap.GetBitmap(&info);
    Canvas canvas(info.bmWidth, info.bmHeight);
    CDC source;
    source.CreateCompatibleDC(nullptr);
    CBitmap* pOld = source.SelectObject(&bitmap);
    canvas.DC()->BitBlt(0, 0, info.bmWidth, info.bmHeight, &source, 0, 0, SRCCOPY);
    source.SelectObject(pOld);
    strip.nWidth = info.bmWidth;
    strip.nHeight = info.bmHeight;
    for (int y = 0; y < info.bmHeight; ++y)
        for (int x = 0; x < info.bmWidth; ++x)
            strip.white.push_back(canvas.Pixel(x, y) == RGB(255, 255, 255));
    return strip;
}

// Clock icons whose strips can be made to go missing.
class CClockIconsWithMissingStrips : public CVrxPPlannerClockIcons
{
public:
    std::set<UINT> m_missing;

protected:
    bool LoadStrip(UINT nBitmapId, CBitmap& strip) override
    {
        return m_missing.count(nBitmapId) == 0 && CVrxPPlannerClockIcons::LoadStrip(nBitmapId, strip);
    }
};

} // namespace

TEST(PlannerClockIcons, WhichIconFaceAndHandServeATime)
{
    const struct
    {
        int nHour, nMinute, nIcon, nFace, nHand;
    } cases[] = {
        {9, 37, 115, 19, 7}, {23, 59, 287, 47, 23}, {10, 20, 124, 20, 4}, {10, 25, 125, 21, 5},
        {22, 25, 269, 45, 17}, {0, 0, 0, 0, 0},     {12, 0, 144, 24, 12}, {11, 59, 143, 23, 11},
    };
    for (const auto& c : cases)
    {
        const int nStep = c.nMinute / 5;
        EXPECT_EQ(CVrxPPlannerClockIcons::IconIndex(c.nHour, c.nMinute), c.nIcon) << c.nHour << ":" << c.nMinute;
        EXPECT_EQ(CVrxPPlannerClockIcons::FaceOf(c.nHour, nStep), c.nFace) << c.nHour << ":" << c.nMinute;
        EXPECT_EQ(CVrxPPlannerClockIcons::HandOf(c.nHour, nStep), c.nHand) << c.nHour << ":" << c.nMinute;
    }
}

// Every icon drawn is its hand laid over its face, read from the strips
// themselves: ANDed in the morning, ORed in the afternoon, white showing the
// background. The sheet of all of them is kept as a picture.
TEST(PlannerClockIcons, EveryIconIsItsHandOverItsFace)
{
    const Strip faces = LoadStrip(VrxPIdbClockFaces);
    const Strip hands = LoadStrip(VrxPIdbClockHands);
    ASSERT_EQ(faces.nWidth, 720);
    ASSERT_EQ(faces.nHeight, 15);
    ASSERT_EQ(hands.nWidth, 360);
    ASSERT_EQ(hands.nHeight, 15);

    CVrxPPlannerClockIcons icons;
    const SIZE size = icons.GetIconSize();
    ASSERT_EQ(size.cx, 15);
    ASSERT_EQ(size.cy, 15);
    const int nCell = 19;
    Canvas sheet(12 * nCell, 24 * nCell);
    for (int nHour = 0; nHour < 24; ++nHour)
    {
        for (int nStep = 0; nStep < 12; ++nStep)
        {
            const POINT origin{nStep * nCell + 2, nHour * nCell + 2};
            icons.DrawIcon(sheet.DC(), origin, nHour, nStep * 5 + 4);
            const int nFace = CVrxPPlannerClockIcons::FaceOf(nHour, nStep);
            const int nHand = CVrxPPlannerClockIcons::HandOf(nHour, nStep);
            int nWrong = 0;
            for (int y = 0; y < size.cy; ++y)
            {
                for (int x = 0; x < size.cx; ++x)
                {
                    const bool bFace = faces.IsWhite(nFace, size.cx, x, y);
                    const bool bHand = hands.IsWhite(nHand, size.cx, x, y);
                    const bool bWhite = nHour < 12 ? bFace && bHand : bFace || bHand;
                    nWrong += sheet.Pixel(origin.x + x, origin.y + y) != (bWhite ? background : black) ? 1 : 0;
                }
            }
            EXPECT_EQ(nWrong, 0) << nHour << ":" << nStep * 5;
        }
    }
    CreateDirectoryA("..\\artifacts", nullptr);
    EXPECT_TRUE(sheet.Save("..\\artifacts\\planner_clock_icons.bmp"));

    // A morning and an afternoon icon tell apart on the strips: the dial is
    // white in the morning and black in the afternoon.
    Canvas one(15, 15);
    icons.DrawTime(one.DC(), POINT{0, 0}, COleDateTime(2025, 5, 3, 3, 0, 0));
    EXPECT_EQ(one.Pixel(4, 10), background);
    one.Fill(background);
    icons.DrawTime(one.DC(), POINT{0, 0}, COleDateTime(2025, 5, 3, 15, 0, 0));
    EXPECT_EQ(one.Pixel(4, 10), black);
}

TEST(PlannerClockIcons, TimesOutsideTheDayDrawNothing)
{
    CVrxPPlannerClockIcons icons;
    Canvas canvas(15, 15);
    icons.DrawIcon(canvas.DC(), POINT{0, 0}, 24, 0);
    icons.DrawIcon(canvas.DC(), POINT{0, 0}, -1, -1);
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    icons.DrawTime(canvas.DC(), POINT{0, 0}, invalid);
    icons.DrawIcon(nullptr, POINT{0, 0}, 9, 30);
    EXPECT_TRUE(canvas.IsBlank());
    icons.DrawIcon(canvas.DC(), POINT{0, 0}, 23, 59);
    EXPECT_FALSE(canvas.IsBlank());
}

TEST(PlannerClockIcons, AMissingStripLeavesThemUnbuiltUntilItLoads)
{
    CClockIconsWithMissingStrips icons;
    Canvas canvas(15, 15);
    for (UINT nMissing : {static_cast<UINT>(VrxPIdbClockFaces), static_cast<UINT>(VrxPIdbClockHands)})
    {
        icons.m_missing = {nMissing};
        EXPECT_FALSE(icons.Initialize()) << nMissing;
        const SIZE size = icons.GetIconSize();
        EXPECT_EQ(size.cx, 0) << nMissing;
        EXPECT_EQ(size.cy, 0) << nMissing;
        icons.DrawIcon(canvas.DC(), POINT{0, 0}, 9, 30);
        icons.DrawTime(canvas.DC(), POINT{0, 0}, COleDateTime(2025, 5, 3, 9, 30, 0));
        EXPECT_TRUE(canvas.IsBlank()) << nMissing;
    }
    icons.m_missing.clear();
    EXPECT_TRUE(icons.Initialize());
    EXPECT_EQ(icons.GetIconSize().cx, 15);
    icons.DrawIcon(canvas.DC(), POINT{0, 0}, 9, 30);
    EXPECT_FALSE(canvas.IsBlank());
}
