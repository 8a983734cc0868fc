#pragma once

#include "gdi/CBitmap.h"
#include "gdi/CDC.h"

// A memory DC drawing into a 32-bit top-down DIB section, so tests can read
// the pixels straight from memory.
class MemoryCanvas
{
public:
    MemoryCanvas(int width, int height, COLORREF background = RGB(255, 255, 255))
        : m_width(width), m_height(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pBits = nullptr;
        m_bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
        m_pBits = static_cast<DWORD*>(pBits);
        m_dc.CreateCompatibleDC(nullptr);
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, width, height, background);
    }

    ~MemoryCanvas()
    {
        m_dc.SelectObject(m_pOldBitmap);
    }

    CDC& dc() { return m_dc; }
    CBitmap& bitmap() { return m_bitmap; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // The pixel as a COLORREF, read from the DIB's memory.
    COLORREF Pixel(int x, int y) const
    {
        ::GdiFlush();
        DWORD bgra = m_pBits[y * m_width + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }

    int CountPixels(const RECT& area, COLORREF color) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; y++)
            for (int x = area.left; x < area.right; x++)
                if (Pixel(x, y) == color)
                    count++;
        return count;
    }

private:
    int m_width;
    int m_height;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    DWORD* m_pBits = nullptr;
};
