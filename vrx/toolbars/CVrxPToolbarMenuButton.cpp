#include "toolbars/CVrxPToolbarMenuButton.h"

#include "files/CArchive.h"
#include "toolbars/CVrxPPopupMenu.h"

IMPLEMENT_SERIAL(CVrxPToolbarMenuButton, CVrxPToolbarButton, 1)

CVrxPToolbarMenuButton::CVrxPToolbarMenuButton() : popupMenu(NULL), popupOpen(FALSE), popup(nullptr)
{
}

CVrxPToolbarMenuButton::CVrxPToolbarMenuButton(UINT nID, HMENU hMenu, int nImage, LPCTSTR lpszText)
    : CVrxPToolbarButton(nID, nImage, lpszText), popupMenu(hMenu), popupOpen(FALSE), popup(nullptr)
{
}

CVrxPToolbarMenuButton::~CVrxPToolbarMenuButton()
{
    // A bar rebuilt under an open menu: the menu closes with its button.
    if (popup != nullptr)
    {
        CVrxPPopupMenu* pPopup = popup;
        popup = nullptr;
        pPopup->openingButton = nullptr;
        pPopup->CloseChain();
    }
}

void CVrxPToolbarMenuButton::AssignFrom(const CVrxPToolbarButton& other)
{
    CVrxPToolbarButton::AssignFrom(other);
    if (const CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<const CVrxPToolbarMenuButton*>(&other))
        popupMenu = pMenuButton->popupMenu;
}
