#include "colours/tests/SelectorHost.h"

#include "colours/tests/WindowPicture.h"
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
    return SaveWindowPicture(GetSafeHwnd(), name);
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
