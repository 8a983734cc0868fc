#pragma once

#include "gdi/CBitmap.h"
#include "gdi/CDC.h"

// A memory DC drawing into a 32-bit top-down DIB section, so tests read the
// pixels straight from memory.
class TestCanvas
{
public:
    TestCanvas(int nWidth, int nHeight, COLORREF background = RGB(255, 255, 255)) : m_nWidth(nWidth), m_nHeight(nHeight)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = nWidth;
        info.bmiHeader.biHeight = -nHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pBits = nullptr;
        m_bitmap.Attach(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
        m_pBits = static_cast<DWORD*>(pBits);
        m_dc.CreateCompatibleDC(nullptr);
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        Fill(background);
    }
    ~TestCanvas() { m_dc.SelectObject(m_pOldBitmap); }

    CDC& DC() { return m_dc; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

    void Fill(COLORREF color) { m_dc.FillSolidRect(0, 0, m_nWidth, m_nHeight, color); }

    COLORREF Pixel(int x, int y) const
    {
        GdiFlush();
        const DWORD pixel = m_pBits[y * m_nWidth + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

    int Count(const RECT& area, COLORREF color) const
    {
        int nCount = 0;
        for (int y = area.top; y < area.bottom; y++)
            for (int x = area.left; x < area.right; x++)
                nCount += Pixel(x, y) == color;
        return nCount;
    }

private:
    int m_nWidth;
    int m_nHeight;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    DWORD* m_pBits = nullptr;
};
