#pragma once

// A 32-bit bottom-up DIB section selected into its own memory DC, optionally
// holding a copy of an area of a target DC. Pixels are 0xAARRGGBB; Pixel(x,
// y) counts y from the top. The effects of the painter and the image list
// change pixels here and put the buffer back.

#include "gdi/CDC.h"

class VrxPPixelBuffer
{
public:
    // An empty buffer (all pixels 0) of the given size, compatible with pDC
    // (the screen when NULL).
    VrxPPixelBuffer(CDC* pDC, int nWidth, int nHeight);
    ~VrxPPixelBuffer();
    VrxPPixelBuffer(const VrxPPixelBuffer&) = delete;
    VrxPPixelBuffer& operator=(const VrxPPixelBuffer&) = delete;

    // FALSE when the DC or the bitmap could not be made.
    BOOL IsValid() const { return m_pBits != nullptr; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    CDC& DC() { return m_dc; }
    HBITMAP Bitmap() const { return m_hBitmap; }

    // Copies the area of the source DC whose top-left corner is (x, y) in.
    void CopyFrom(CDC* pSource, int x, int y);
    // Copies the buffer to the target with its top-left corner at (x, y).
    void CopyTo(CDC* pTarget, int x, int y);

    BOOL Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight; }
    DWORD& Pixel(int x, int y) { return m_pBits[(m_nHeight - 1 - y) * m_nWidth + x]; }
    DWORD* Bits() { return m_pBits; }
    // Hands the bitmap over: the buffer no longer deletes it.
    HBITMAP DetachBitmap();

private:
    int m_nWidth;
    int m_nHeight;
    CDC m_dc;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    DWORD* m_pBits = nullptr;
};

// Buffer pixels keep red and blue in the other order than a COLORREF.
inline DWORD VrxPColorToPixel(COLORREF color)
{
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

inline COLORREF VrxPPixelToColor(DWORD pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}
