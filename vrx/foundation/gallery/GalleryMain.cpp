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
