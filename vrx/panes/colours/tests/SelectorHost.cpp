#include "colours/tests/SelectorHost.h"

#include "foundation/VrxPLibrary.h"

SelectorHost::~SelectorHost()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
}

BOOL SelectorHost::Open(CSize client)
{
    VrxPStartLibrary();
    CRect rect(CPoint(40, 40), client);
    ::AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
    if (!CreateEx(0, "#32770", "colours", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, rect, nullptr, 0))
        return FALSE;
    ::SetForegroundWindow(GetSafeHwnd());
    return TRUE;
}

CVrxPColorSelectorCtrl* SelectorHost::Add(int nMode, const CRect& rect)
{
    auto selector = std::make_unique<CVrxPColorSelectorCtrl>();
    selector->SetMode(nMode);
    const UINT nId = 100 + static_cast<UINT>(selectors.size());
    if (!selector->Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, rect, this, nId))
        return nullptr;
    selectors.push_back(std::move(selector));
    return selectors.back().get();
}

CPoint SelectorHost::ToScreen(CWnd& control, CPoint point) const
{
    ::ClientToScreen(control.GetSafeHwnd(), &point);
    return point;
}

COLORREF SelectorHost::ScreenPixel(CWnd& control, CPoint point) const
{
    const CPoint screen = ToScreen(control, point);
    HDC hDC = ::GetDC(NULL);
    const COLORREF color = ::GetPixel(hDC, screen.x, screen.y);
    ::ReleaseDC(NULL, hDC);
    return color;
}

bool SelectorHost::SavePicture(const std::string& name)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    const int nWidth = rectClient.Width();
    const int nHeight = rectClient.Height();
    const int nStride = (nWidth * 3 + 3) / 4 * 4;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    std::vector<BYTE> bits(static_cast<size_t>(nStride * nHeight));
    HDC hWindow = ::GetDC(GetSafeHwnd());
    HDC hMemory = ::CreateCompatibleDC(hWindow);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hWindow, nWidth, nHeight);
    HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
    ::BitBlt(hMemory, 0, 0, nWidth, nHeight, hWindow, 0, 0, SRCCOPY);
    ::SelectObject(hMemory, hOld);
    ::GetDIBits(hMemory, hBitmap, 0, static_cast<UINT>(nHeight), bits.data(), &info, DIB_RGB_COLORS);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemory);
    ::ReleaseDC(GetSafeHwnd(), hWindow);

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

BOOL SelectorHost::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0)
    {
        notices.push_back({LOWORD(wParam), HIWORD(wParam)});
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}
