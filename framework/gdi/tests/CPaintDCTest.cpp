#include "gdi/CBrush.h"
#include "gdi/CClientDC.h"
#include "gdi/CPaintDC.h"
#include "gdi/CWindowDC.h"

#include <gtest/gtest.h>

namespace {

// Stands in for a window object: the DCs take anything with GetSafeHwnd.
struct WindowObject
{
    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
};

struct PaintRecord
{
    int paints = 0;
    RECT paintRect = {};
    HDC hDC = nullptr;
};

PaintRecord g_paint;

LRESULT CALLBACK PaintingWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
    {
        WindowObject window;
        window.m_hWnd = hWnd;
        CPaintDC dc(&window);
        g_paint.paints++;
        g_paint.paintRect = dc.m_ps.rcPaint;
        g_paint.hDC = dc.GetSafeHdc();
        CBrush red(RGB(255, 0, 0));
        dc.FillRect(&dc.m_ps.rcPaint, &red);
        return 0;
    }
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

// One window for the suite: making windows under Wine takes seconds.
class WindowDCTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        WNDCLASS wc = {};
        wc.lpfnWndProc = PaintingWindowProc;
        wc.hInstance = ::GetModuleHandle(nullptr);
        wc.lpszClassName = "KorvoGdiTestWindow";
        ::RegisterClass(&wc);
        m_window.m_hWnd = ::CreateWindow("KorvoGdiTestWindow", "test", WS_POPUP | WS_VISIBLE, 10, 10, 60, 40,
                                         nullptr, nullptr, wc.hInstance, nullptr);
    }

    static void TearDownTestSuite()
    {
        ::DestroyWindow(m_window.m_hWnd);
        ::UnregisterClass("KorvoGdiTestWindow", ::GetModuleHandle(nullptr));
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, m_window.m_hWnd);
        g_paint = PaintRecord();
    }

    static WindowObject m_window;
};

WindowObject WindowDCTest::m_window;

TEST_F(WindowDCTest, PaintDCValidatesTheUpdateRegionAndDrawsIntoIt)
{
    ::InvalidateRect(m_window.m_hWnd, nullptr, FALSE);
    ::UpdateWindow(m_window.m_hWnd);
    EXPECT_EQ(1, g_paint.paints);
    EXPECT_EQ(60, g_paint.paintRect.right);
    EXPECT_EQ(40, g_paint.paintRect.bottom);
    // EndPaint ran: nothing is left to paint.
    EXPECT_FALSE(::GetUpdateRect(m_window.m_hWnd, nullptr, FALSE));
    EXPECT_NE(nullptr, g_paint.hDC);

    CClientDC dc(&m_window);
    EXPECT_EQ(m_window.m_hWnd, dc.m_hWnd);
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(30, 20));
}

TEST_F(WindowDCTest, ClientDCCoversTheClientAreaAndWindowDCTheWholeWindow)
{
    {
        CClientDC client(&m_window);
        CRect box;
        EXPECT_NE(ERROR, client.GetClipBox(&box));
        EXPECT_EQ(CRect(0, 0, 60, 40), box);
        client.FillSolidRect(0, 0, 60, 40, RGB(0, 0, 255));
        EXPECT_EQ(RGB(0, 0, 255), client.GetPixel(59, 39));
    }
    {
        CWindowDC window(&m_window);
        EXPECT_EQ(m_window.m_hWnd, window.m_hWnd);
        EXPECT_EQ(RGB(0, 0, 255), window.GetPixel(0, 0));
    }
    WindowObject* pNone = nullptr;
    CClientDC screen(pNone);
    EXPECT_EQ(nullptr, screen.m_hWnd);
    EXPECT_GT(screen.GetDeviceCaps(HORZRES), 0);
}

} // namespace
