#include "foundation/VrxPImageBitmaps.h"

#include "foundation/CVrxPPainter.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "foundation/VrxPPixelBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
const COLORREF noColor = static_cast<COLORREF>(-1);

COLORREF SwapRedBlue(COLORREF color)
{
    return RGB(GetBValue(color), GetGValue(color), GetRValue(color));
}

// The pixels of a 32-bit DIB section, rows counted from the top.
class Pixels32
{
public:
    explicit Pixels32(HBITMAP hBitmap)
    {
        DIBSECTION section = {};
        if (GetObject(hBitmap, sizeof(section), &section) != sizeof(section) || section.dsBm.bmBitsPixel != 32 ||
            section.dsBm.bmBits == nullptr)
            return;
        GdiFlush();
        m_pBits = static_cast<DWORD*>(section.dsBm.bmBits);
        m_nWidth = section.dsBm.bmWidth;
        m_nHeight = std::abs(section.dsBm.bmHeight);
        m_bBottomUp = section.dsBmih.biHeight > 0;
    }
    BOOL IsValid() const { return m_pBits != nullptr; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    DWORD* Row(int y) { return m_pBits + (m_bBottomUp ? m_nHeight - 1 - y : y) * m_nWidth; }

private:
    DWORD* m_pBits = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    BOOL m_bBottomUp = TRUE;
};

// Mirrors a bitmap that is not a 32-bit DIB section pixel by pixel.
BOOL MirrorThroughDC(HBITMAP hBitmap, int nSlice, BOOL bHorizontal)
{
    BITMAP info = {};
    if (GetObject(hBitmap, sizeof(info), &info) == 0 || nSlice <= 0)
        return FALSE;
    HDC hDC = CreateCompatibleDC(NULL);
    HGDIOBJ hOld = SelectObject(hDC, hBitmap);
    const int nLength = bHorizontal ? info.bmWidth : info.bmHeight;
    const int nAcross = bHorizontal ? info.bmHeight : info.bmWidth;
    for (int start = 0; start + nSlice <= nLength; start += nSlice)
        for (int i = 0; i < nSlice / 2; i++)
            for (int j = 0; j < nAcross; j++)
            {
                const int a = start + i;
                const int b = start + nSlice - 1 - i;
                const COLORREF colorA = bHorizontal ? GetPixel(hDC, a, j) : GetPixel(hDC, j, a);
                const COLORREF colorB = bHorizontal ? GetPixel(hDC, b, j) : GetPixel(hDC, j, b);
                if (bHorizontal)
                {
                    SetPixel(hDC, a, j, colorB);
                    SetPixel(hDC, b, j, colorA);
                }
                else
                {
                    SetPixel(hDC, j, a, colorB);
                    SetPixel(hDC, j, b, colorA);
                }
            }
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    return TRUE;
}
} // namespace

void VrxPCopyBitmapInto(HBITMAP hTarget, int x, int y, HBITMAP hSource)
{
    BITMAP source = {};
    GetObject(hSource, sizeof(source), &source);
    HDC hTargetDC = CreateCompatibleDC(NULL);
    HDC hSourceDC = CreateCompatibleDC(NULL);
    HGDIOBJ hOldTarget = SelectObject(hTargetDC, hTarget);
    HGDIOBJ hOldSource = SelectObject(hSourceDC, hSource);
    BitBlt(hTargetDC, x, y, source.bmWidth, source.bmHeight, hSourceDC, 0, 0, SRCCOPY);
    SelectObject(hSourceDC, hOldSource);
    SelectObject(hTargetDC, hOldTarget);
    DeleteDC(hSourceDC);
    DeleteDC(hTargetDC);
    GdiFlush();
}

HBITMAP VrxPCopyAs32Bit(HBITMAP hSource)
{
    BITMAP source = {};
    if (GetObject(hSource, sizeof(source), &source) == 0)
        return NULL;
    void* pBits = nullptr;
    HBITMAP hCopy = CVrxPPainter::MakeDibSection32(source.bmWidth, source.bmHeight, &pBits);
    if (hCopy != NULL)
        VrxPCopyBitmapInto(hCopy, 0, 0, hSource);
    return hCopy;
}

// The pixels are changed in place, so the bitmap keeps its own format (a
// 24-bit strip saved to its file again stays a 24-bit file).
BOOL VrxPRecolorBitmap(HBITMAP& hBitmap, BOOL bSwapped, COLORREF colorFrom, COLORREF colorTo)
{
    if (colorFrom != noColor && colorTo == noColor)
        return FALSE;
    BITMAP bitmap = {};
    if (GetObject(hBitmap, sizeof(bitmap), &bitmap) == 0)
        return FALSE;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = bitmap.bmWidth;
    info.bmiHeader.biHeight = -std::abs(bitmap.bmHeight);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const UINT nRows = static_cast<UINT>(std::abs(bitmap.bmHeight));
    std::vector<DWORD> pixels(static_cast<size_t>(bitmap.bmWidth) * nRows);
    HDC hScreen = GetDC(NULL);
    BOOL bOk = GetDIBits(hScreen, hBitmap, 0, nRows, pixels.data(), &info, DIB_RGB_COLORS) != 0;
    if (bOk)
    {
        const COLORREF from = bSwapped ? SwapRedBlue(colorFrom) : colorFrom;
        const COLORREF to = bSwapped ? SwapRedBlue(colorTo) : colorTo;
        for (DWORD& pixel : pixels)
        {
            const COLORREF color = VrxPPixelToColor(pixel);
            const COLORREF mapped = colorFrom == noColor ? CVrxPToolbarImageList::SubstituteSysColor(color, FALSE)
                                                         : (color == from ? to : color);
            if (mapped != color)
                pixel = (pixel & 0xFF000000) | VrxPColorToPixel(mapped);
        }
        bOk = SetDIBits(hScreen, hBitmap, 0, nRows, pixels.data(), &info, DIB_RGB_COLORS) != 0;
    }
    ReleaseDC(NULL, hScreen);
    return bOk;
}

BOOL VrxPMirrorImagesHorizontally(HBITMAP hBitmap, int nImageWidth)
{
    Pixels32 pixels(hBitmap);
    if (!pixels.IsValid())
        return MirrorThroughDC(hBitmap, nImageWidth, TRUE);
    if (nImageWidth <= 0)
        return FALSE;
    for (int y = 0; y < pixels.Height(); y++)
        for (int start = 0; start + nImageWidth <= pixels.Width(); start += nImageWidth)
            std::reverse(pixels.Row(y) + start, pixels.Row(y) + start + nImageWidth);
    return TRUE;
}

BOOL VrxPMirrorImagesVertically(HBITMAP hBitmap, int nImageHeight)
{
    Pixels32 pixels(hBitmap);
    if (!pixels.IsValid())
        return MirrorThroughDC(hBitmap, nImageHeight, FALSE);
    if (nImageHeight <= 0)
        return FALSE;
    for (int start = 0; start + nImageHeight <= pixels.Height(); start += nImageHeight)
        for (int i = 0; i < nImageHeight / 2; i++)
            std::swap_ranges(pixels.Row(start + i), pixels.Row(start + i) + pixels.Width(),
                             pixels.Row(start + nImageHeight - 1 - i));
    return TRUE;
}

BYTE* VrxPBitmapToDib(HBITMAP hBitmap, DWORD dwCompression, DWORD* pdwSize)
{
    if (dwCompression == BI_BITFIELDS)
        return nullptr;
    BITMAP bitmap = {};
    if (GetObject(hBitmap, sizeof(bitmap), &bitmap) == 0)
        return nullptr;
    const WORD nBitCount = static_cast<WORD>(bitmap.bmPlanes * bitmap.bmBitsPixel);
    const DWORD nColors = nBitCount <= 8 ? 1u << nBitCount : 0;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = bitmap.bmWidth;
    header.biHeight = bitmap.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = nBitCount;
    header.biCompression = dwCompression;
    const DWORD nHeaderBytes = sizeof(BITMAPINFOHEADER) + nColors * DWORD{sizeof(RGBQUAD)};

    HDC hScreen = GetDC(NULL);
    HPALETTE hOldPalette = SelectPalette(hScreen, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    RealizePalette(hScreen);
    BYTE* pDib = static_cast<BYTE*>(calloc(1, nHeaderBytes));
    BOOL bOk = pDib != nullptr;
    if (bOk)
    {
        memcpy(pDib, &header, sizeof(header));
        bOk = GetDIBits(hScreen, hBitmap, 0, static_cast<UINT>(std::abs(bitmap.bmHeight)), NULL,
                        reinterpret_cast<BITMAPINFO*>(pDib), DIB_RGB_COLORS) != 0;
    }
    if (bOk)
    {
        BITMAPINFOHEADER* pHeader = reinterpret_cast<BITMAPINFOHEADER*>(pDib);
        if (pHeader->biSizeImage == 0)
            pHeader->biSizeImage = ((pHeader->biWidth * pHeader->biBitCount + 31) / 32) * 4 * std::abs(pHeader->biHeight);
        BYTE* pGrown = static_cast<BYTE*>(realloc(pDib, nHeaderBytes + pHeader->biSizeImage));
        if (pGrown == nullptr)
            bOk = FALSE;
        else
        {
            pDib = pGrown;
            pHeader = reinterpret_cast<BITMAPINFOHEADER*>(pDib);
            bOk = GetDIBits(hScreen, hBitmap, 0, static_cast<UINT>(std::abs(bitmap.bmHeight)), pDib + nHeaderBytes,
                            reinterpret_cast<BITMAPINFO*>(pDib), DIB_RGB_COLORS) != 0;
            if (bOk && pdwSize != nullptr)
                *pdwSize = nHeaderBytes + pHeader->biSizeImage;
        }
    }
    SelectPalette(hScreen, hOldPalette, FALSE);
    ReleaseDC(NULL, hScreen);
    if (!bOk)
    {
        free(pDib);
        return nullptr;
    }
    RGBQUAD* pPalette = reinterpret_cast<RGBQUAD*>(pDib + sizeof(BITMAPINFOHEADER));
    for (DWORD i = 0; i < nColors; i++)
    {
        const COLORREF swapped = RGB(pPalette[i].rgbBlue, pPalette[i].rgbGreen, pPalette[i].rgbRed);
        const COLORREF restored = CVrxPToolbarImageList::RestoreSysColor(swapped, TRUE);
        pPalette[i].rgbBlue = GetRValue(restored);
        pPalette[i].rgbGreen = GetGValue(restored);
        pPalette[i].rgbRed = GetBValue(restored);
    }
    return pDib;
}

BOOL VrxPWriteDibFile(const BYTE* pDib, DWORD dwSize, LPCTSTR lpszPath)
{
    const BITMAPINFOHEADER* pHeader = reinterpret_cast<const BITMAPINFOHEADER*>(pDib);
    const DWORD nColors = pHeader->biBitCount <= 8 ? 1u << pHeader->biBitCount : 0;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfSize = dwSize + sizeof(BITMAPFILEHEADER);
    file.bfOffBits = DWORD{sizeof(BITMAPFILEHEADER)} + pHeader->biSize + nColors * DWORD{sizeof(RGBQUAD)};
    HANDLE hFile = CreateFile(lpszPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD nWritten = 0;
    BOOL bOk = WriteFile(hFile, &file, sizeof(file), &nWritten, NULL) && nWritten == sizeof(file) &&
               WriteFile(hFile, pDib, dwSize, &nWritten, NULL) && nWritten == dwSize;
    CloseHandle(hFile);
    return bOk;
}
