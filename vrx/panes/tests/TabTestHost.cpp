#include "tests/TabTestHost.h"

#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPMessages.h"

TabTestHost::TabTestHost() = default;

TabTestHost::~TabTestHost()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
}

BOOL TabTestHost::Open(int nStyle, CVrxPBaseTabWnd::Location location, CSize client, BOOL bCloseButton)
{
    VrxPStartLibrary();
    CRect rect(CPoint(40, 40), client);
    ::AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
    if (!CreateEx(0, "#32770", "tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, rect, nullptr, 0))
        return FALSE;
    return strip.Create(nStyle, CRect(CPoint(0, 0), client), this, 1, location, bCloseButton);
}

CWnd* TabTestHost::MakePage()
{
    auto page = std::make_unique<CWnd>();
    const UINT nId = 100 + static_cast<UINT>(pages.size());
    if (!page->CreateEx(0, "STATIC", "", WS_CHILD | SS_WHITERECT, CRect(0, 0, 10, 10), &strip, nId))
        return nullptr;
    pages.push_back(std::move(page));
    return pages.back().get();
}

void TabTestHost::AddTabs(const std::vector<const char*>& labels)
{
    for (const char* label : labels)
        strip.AppendTab(MakePage(), label);
}

std::vector<CString> TabTestHost::Labels() const
{
    std::vector<CString> labels;
    for (const auto& tab : strip.tabs)
        labels.push_back(tab.label);
    return labels;
}

int TabTestHost::VisiblePageCount() const
{
    int nCount = 0;
    for (const auto& tab : strip.tabs)
        nCount += tab.window != nullptr && tab.window->IsWindowVisible();
    return nCount;
}

LRESULT TabTestHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != 0 && message == VrxM_ONCHANGE_ACTIVE_TAB)
    {
        activeChanges.push_back(static_cast<int>(wParam));
        return 0;
    }
    if (message != 0 && message == VrxM_ON_CHANGING_ACTIVE_TAB)
        return static_cast<int>(wParam) == refuseIndex ? 1 : 0;
    return CWnd::WindowProc(message, wParam, lParam);
}
