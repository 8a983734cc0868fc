#include "ScreenPicture.h"

#include <windows.h>

#include <cstring>
#include <fstream>

namespace windriver
{
bool save_screen(const std::string& path)
{
    int width = ::GetSystemMetrics(SM_CXSCREEN);
    int height = ::GetSystemMetrics(SM_CYSCREEN);
    HDC screen = ::GetDC(NULL);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ::GdiFlush();

    DWORD row_bytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    DWORD image_bytes = row_bytes * static_cast<DWORD>(height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + image_bytes;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
    out.write(static_cast<const char*>(bits), image_bytes);
    bool written = out.good();

    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(NULL, screen);
    return written;
}

std::string shot_path(int argc, char** argv, const std::string& fallback)
{
    const char kOption[] = "--shot=";
    for (int i = 1; i < argc; ++i)
    {
        if (std::strncmp(argv[i], kOption, sizeof(kOption) - 1) == 0)
            return argv[i] + sizeof(kOption) - 1;
    }
    return fallback;
}
} // namespace windriver
