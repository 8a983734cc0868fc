#include "toolbars/CVrxPToolbarSystemMenuButton.h"

#include "files/CArchive.h"
#include "gdi/CDC.h"

IMPLEMENT_SERIAL(CVrxPToolbarSystemMenuButton, CVrxPToolbarMenuButton, 1)

CVrxPToolbarSystemMenuButton::CVrxPToolbarSystemMenuButton() : icon(NULL), systemMenu(NULL) {}

CVrxPToolbarSystemMenuButton::CVrxPToolbarSystemMenuButton(HMENU hSystemMenu, HICON hIcon)
    : CVrxPToolbarMenuButton(0, hSystemMenu, -1), icon(hIcon), systemMenu(hSystemMenu)
{
}

void CVrxPToolbarSystemMenuButton::Serialize(CArchive&) {}

void CVrxPToolbarSystemMenuButton::AssignFrom(const CVrxPToolbarButton& other)
{
    CVrxPToolbarMenuButton::AssignFrom(other);
    if (const CVrxPToolbarSystemMenuButton* pSystem = dynamic_cast<const CVrxPToolbarSystemMenuButton*>(&other))
    {
        icon = pSystem->icon;
        systemMenu = pSystem->systemMenu;
    }
}

void CVrxPToolbarSystemMenuButton::Draw(CDC* pDC, const CRect& rectButton, CVrxPToolbarImageList*)
{
    if (icon == NULL)
        return;
    const int cx = ::GetSystemMetrics(SM_CXMENUSIZE);
    const int cy = ::GetSystemMetrics(SM_CYMENUSIZE);
    ::DrawIconEx(pDC->GetSafeHdc(), rectButton.left, rectButton.top + (rectButton.Height() - cy) / 2, icon, cx, cy, 0,
                 NULL, DI_NORMAL);
}

CSize CVrxPToolbarSystemMenuButton::MeasureSize(int nDefaultHeight)
{
    return CSize(::GetSystemMetrics(SM_CXMENUSIZE), nDefaultHeight);
}
