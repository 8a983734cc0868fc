#include "toolbars/CVrxPToolbarMenuButton.h"

#include "files/CArchive.h"

IMPLEMENT_SERIAL(CVrxPToolbarMenuButton, CVrxPToolbarButton, 1)

CVrxPToolbarMenuButton::CVrxPToolbarMenuButton() : popupMenu(NULL), popupOpen(FALSE)
{
}

CVrxPToolbarMenuButton::CVrxPToolbarMenuButton(UINT nID, HMENU hMenu, int nImage, LPCTSTR lpszText)
    : CVrxPToolbarButton(nID, nImage, lpszText), popupMenu(hMenu), popupOpen(FALSE)
{
}

void CVrxPToolbarMenuButton::AssignFrom(const CVrxPToolbarButton& other)
{
    CVrxPToolbarButton::AssignFrom(other);
    if (const CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<const CVrxPToolbarMenuButton*>(&other))
        popupMenu = pMenuButton->popupMenu;
}
