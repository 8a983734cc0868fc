// The gallery: a window showing the foundation's drawing, checked against
// the page it was given and photographed for the build's artefacts. Run in
// a virtual desktop, where it is the only window.

#include "GalleryPage.h"

#include "ScreenPicture.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/VrxPLibrary.h"
#include "gdi/CBitmap.h"
#include "gdi/CDC.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace
{
std::string g_shotPath;
HDC g_hPageDC = NULL;

// A 32-bit top-down DIB section selected into a memory DC.
class Picture
{
public:
    Picture(int nWidth, int nHeight) : m_nWidth(nWidth)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = nWidth;
        info.bmiHeader.biHeight = -nHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        m_bitmap.Attach(CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pBits, NULL, 0));
        m_pBits = static_cast<const DWORD*>(pBits);
        m_dc.CreateCompatibleDC(nullptr);
        m_pOld = m_dc.SelectObject(&m_bitmap);
    }
    ~Picture() { m_dc.SelectObject(m_pOld); }

    CDC& DC() { return m_dc; }
    COLORREF Pixel(int x, int y) const
    {
        GdiFlush();
        const DWORD pixel = m_pBits[y * m_nWidth + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

private:
    int m_nWidth;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld = nullptr;
    const DWORD* m_pBits = nullptr;
};

LRESULT CALLBACK GalleryProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
    {
        PAINTSTRUCT paint;
        HDC hDC = BeginPaint(hWnd, &paint);
        BitBlt(hDC, 0, 0, GalleryPage::width, GalleryPage::height, g_hPageDC, 0, 0, SRCCOPY);
        EndPaint(hWnd, &paint);
        return 0;
    }
    return DefWindowProc(hWnd, message, wParam, lParam);
}

HWND OpenGalleryWindow()
{
    WNDCLASS wc = {};
    wc.lpfnWndProc = GalleryProc;
    wc.hInstance = GetModuleHandle(NULL);
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = "KorvoVrxGallery";
    RegisterClass(&wc);
    RECT rect = {0, 0, GalleryPage::width, GalleryPage::height};
    const DWORD dwStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRect(&rect, dwStyle, FALSE);
    HWND hWnd = CreateWindow("KorvoVrxGallery", "Vrx foundation gallery", dwStyle, 40, 40, rect.right - rect.left,
                             rect.bottom - rect.top, NULL, NULL, wc.hInstance, NULL);
    if (hWnd != NULL)
    {
        ShowWindow(hWnd, SW_SHOWNORMAL);
        SetForegroundWindow(hWnd);
        UpdateWindow(hWnd);
    }
    return hWnd;
}

BOOL Near(COLORREF shown, COLORREF expected, int nTolerance)
{
    return std::abs(GetRValue(shown) - GetRValue(expected)) <= nTolerance &&
           std::abs(GetGValue(shown) - GetGValue(expected)) <= nTolerance &&
           std::abs(GetBValue(shown) - GetBValue(expected)) <= nTolerance;
}

// Lets the desktop draw the frame and the window paint itself.
void Settle()
{
    for (int i = 0; i < 20; i++)
    {
        MSG msg;
        while (PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        Sleep(50);
    }
}

TEST(VrxGallery, TheWindowShowsThePageWithEveryGlyphInItsColour)
{
    Picture page(GalleryPage::width, GalleryPage::height);
    ASSERT_TRUE(GalleryPage::Draw(page.DC()));
    g_hPageDC = page.DC().GetSafeHdc();
    HWND hWnd = OpenGalleryWindow();
    ASSERT_NE(nullptr, hWnd);
    Settle();

    // What the screen shows of the client area.
    Picture shown(GalleryPage::width, GalleryPage::height);
    POINT origin = {0, 0};
    ClientToScreen(hWnd, &origin);
    HDC hScreen = GetDC(NULL);
    BitBlt(shown.DC().GetSafeHdc(), 0, 0, GalleryPage::width, GalleryPage::height, hScreen, origin.x, origin.y,
           SRCCOPY);
    ReleaseDC(NULL, hScreen);

    int nDiffering = 0;
    for (int y = 0; y < GalleryPage::height; y++)
        for (int x = 0; x < GalleryPage::width; x++)
            nDiffering += shown.Pixel(x, y) != page.Pixel(x, y);
    EXPECT_EQ(0, nDiffering);

    // The painter's tiles as shown, against colours worked out here from
    // the effects' definitions rather than from the painter.
    // 64 bands, band i of (start x (64 - i) + end x i) / 64: in a tile 56
    // high the bottom row is band 1 (band 0 has no height) and the top row
    // band 63; across 80 pixels column 0 is band 0, 40 band 32, 79 band 63.
    const CRect vertical = GalleryPage::PainterTile(0);
    EXPECT_PRED3(Near, shown.Pixel(vertical.left + 5, vertical.bottom - 1), RGB(196, 0, 3), 0) << "the start at the bottom";
    EXPECT_PRED3(Near, shown.Pixel(vertical.left + 5, vertical.top), RGB(3, 0, 196), 0) << "the end at the top";
    const CRect horizontal = GalleryPage::PainterTile(1);
    EXPECT_PRED3(Near, shown.Pixel(horizontal.left, horizontal.top + 5), RGB(0, 140, 0), 0);
    EXPECT_PRED3(Near, shown.Pixel(horizontal.left + 40, horizontal.top + 5), RGB(127, 197, 127), 0);
    EXPECT_PRED3(Near, shown.Pixel(horizontal.right - 1, horizontal.top + 5), RGB(251, 253, 251), 0);
    const CRect blends = GalleryPage::PainterTile(12);
    for (int i = 0; i < 8; i++)
    {
        const int nPercent = 100 - i * 100 / 7;
        const COLORREF expected = RGB(255 * nPercent / 100, 0, 255 * (100 - nPercent) / 100);
        EXPECT_PRED3(Near, shown.Pixel(blends.left + i * 10 + 5, blends.top + 5), expected, 1) << "blend " << i;
    }
    const CRect hues = GalleryPage::PainterTile(13);
    const COLORREF hueColors[8] = {RGB(255, 0, 0),   RGB(255, 191, 0), RGB(128, 255, 0), RGB(0, 255, 64),
                                   RGB(0, 255, 255), RGB(0, 64, 255),  RGB(128, 0, 255), RGB(255, 0, 191)};
    for (int i = 0; i < 8; i++)
        EXPECT_PRED3(Near, shown.Pixel(hues.left + i * 10 + 5, hues.top + 5), hueColors[i], 1) << "hue " << i * 45;
    const CRect scaled = GalleryPage::PainterTile(15);
    EXPECT_EQ(RGB(48, 24, 80), shown.Pixel(scaled.left + 5, scaled.top + 5)) << "40 percent";
    EXPECT_EQ(RGB(216, 108, 255), shown.Pixel(scaled.left + 75, scaled.top + 5)) << "180 percent, blue held at 255";
    const CRect shadeTile = GalleryPage::PainterTile(6);
    const CRect card(shadeTile.left + 6, shadeTile.top + 6, shadeTile.right - 16, shadeTile.bottom - 16);
    const COLORREF underShade = shown.Pixel(card.right + 1, card.CenterPoint().y);
    EXPECT_LT(GetRValue(underShade), 230) << "the shade darkens beside the card";
    EXPECT_EQ(RGB(230, 230, 230), shown.Pixel(card.right + 9, card.CenterPoint().y)) << "and ends within its depth";

    for (int v = 0; v < CVrxPMenuGlyphs::variantCount; v++)
        for (int g = 0; g < CVrxPMenuGlyphs::glyphCount; g++)
        {
            const CRect cell = GalleryPage::GlyphCell(g, v);
            int nInk = 0;
            for (int y = cell.top; y < cell.bottom; y++)
                for (int x = cell.left; x < cell.right; x++)
                    nInk += shown.Pixel(x, y) == GalleryPage::GlyphColor(v);
            EXPECT_GT(nInk, 0) << "glyph " << g << " variant " << v;
        }

    EXPECT_TRUE(windriver::save_screen(g_shotPath));
    DestroyWindow(hWnd);
    g_hPageDC = NULL;
}
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    g_shotPath = windriver::shot_path(argc, argv, "vrx_gallery.bmp");
    VrxPStartLibrary();
    return RUN_ALL_TESTS();
}
