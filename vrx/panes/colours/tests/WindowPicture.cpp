#include "colours/tests/WindowPicture.h"

#include <cstdio>
#include <vector>

bool SaveWindowPicture(HWND hWnd, const std::string& name)
{
    RECT rect;
    if (!::GetWindowRect(hWnd, &rect))
        return false;
    const int nWidth = rect.right - rect.left;
    const int nHeight = rect.bottom - rect.top;
    const int nStride = (nWidth * 3 + 3) / 4 * 4;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    std::vector<BYTE> bits(static_cast<size_t>(nStride * nHeight));
    HDC hScreen = ::GetDC(NULL);
    HDC hMemory = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, nWidth, nHeight);
    HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
    ::BitBlt(hMemory, 0, 0, nWidth, nHeight, hScreen, rect.left, rect.top, SRCCOPY);
    ::SelectObject(hMemory, hOld);
    ::GetDIBits(hMemory, hBitmap, 0, static_cast<UINT>(nHeight), bits.data(), &info, DIB_RGB_COLORS);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemory);
    ::ReleaseDC(NULL, hScreen);

    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(header) + sizeof(info.bmiHeader);
    header.bfSize = header.bfOffBits + static_cast<DWORD>(bits.size());
    ::CreateDirectoryA("..\\artifacts", nullptr);
    const std::string path = "..\\artifacts\\" + name + ".bmp";
    FILE* pFile = fopen(path.c_str(), "wb");
    if (pFile == nullptr)
        return false;
    const bool bWritten = fwrite(&header, sizeof(header), 1, pFile) == 1 &&
                          fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, pFile) == 1 &&
                          fwrite(bits.data(), bits.size(), 1, pFile) == 1;
    fclose(pFile);
    return bWritten;
}
