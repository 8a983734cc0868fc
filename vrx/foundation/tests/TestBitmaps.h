#pragma once

// Small image strips made by the tests: each image is its key colour with a
// coloured block in it, so that tests can tell images, keys and states apart.

#include "core/Platform.h"

#include <cstdio>
#include <string>
#include <vector>

const COLORREF testKey = RGB(255, 0, 255);

// The colour of the block of image i and where it lies: x 2..9, y 3..8 (the
// rest of the 16 x 15 image is the key colour), with one pixel at (0, 0) of
// the block colour so that mirroring shows.
inline COLORREF BlockColor(int nImage)
{
    const COLORREF colors[] = {RGB(255, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255), RGB(200, 200, 0)};
    return colors[nImage % 4];
}

inline bool InBlock(int x, int y)
{
    return (x >= 2 && x <= 9 && y >= 3 && y <= 8) || (x == 0 && y == 0);
}

// Pixels of a strip of nImages images of 16 x 15, rows from the top.
inline std::vector<COLORREF> StripPixels(int nImages)
{
    std::vector<COLORREF> pixels(static_cast<size_t>(16 * nImages * 15));
    for (int y = 0; y < 15; y++)
        for (int x = 0; x < 16 * nImages; x++)
            pixels[y * 16 * nImages + x] = InBlock(x % 16, y) ? BlockColor(x / 16) : testKey;
    return pixels;
}

// A 24-bit DIB section of the strip.
inline HBITMAP MakeStripBitmap(int nImages)
{
    const int nWidth = 16 * nImages;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -15;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
    const int nStride = (nWidth * 3 + 3) / 4 * 4;
    const std::vector<COLORREF> pixels = StripPixels(nImages);
    for (int y = 0; y < 15; y++)
        for (int x = 0; x < nWidth; x++)
        {
            BYTE* p = static_cast<BYTE*>(pBits) + y * nStride + x * 3;
            const COLORREF c = pixels[y * nWidth + x];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    return hBitmap;
}

// Writes the strip as a 24-bit .bmp file.
inline bool WriteStripFile(const std::string& path, int nImages)
{
    const int nWidth = 16 * nImages;
    const int nStride = (nWidth * 3 + 3) / 4 * 4;
    std::vector<BYTE> rows(static_cast<size_t>(nStride * 15));
    const std::vector<COLORREF> pixels = StripPixels(nImages);
    for (int y = 0; y < 15; y++)
        for (int x = 0; x < nWidth; x++)
        {
            BYTE* p = rows.data() + (14 - y) * nStride + x * 3;
            const COLORREF c = pixels[y * nWidth + x];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rows.size());
    header.biSize = sizeof(header);
    header.biWidth = nWidth;
    header.biHeight = 15;
    header.biPlanes = 1;
    header.biBitCount = 24;
    FILE* pFile = fopen(path.c_str(), "wb");
    if (pFile == nullptr)
        return false;
    fwrite(&file, sizeof(file), 1, pFile);
    fwrite(&header, sizeof(header), 1, pFile);
    fwrite(rows.data(), rows.size(), 1, pFile);
    fclose(pFile);
    return true;
}

inline std::string ProgramDirectory()
{
    char szPath[MAX_PATH] = {};
    GetModuleFileName(NULL, szPath, MAX_PATH);
    std::string path(szPath);
    return path.substr(0, path.find_last_of('\\') + 1);
}

inline std::string TempDirectory()
{
    char szPath[MAX_PATH] = {};
    GetTempPath(MAX_PATH, szPath);
    return szPath;
}
