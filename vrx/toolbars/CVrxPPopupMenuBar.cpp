#include "toolbars/CVrxPPopupMenuBar.h"

#include "app/ResourceChain.h"
#include "files/CArchive.h"
#include "foundation/CVrxPWorkspace.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

IMPLEMENT_SERIAL(CVrxPPopupMenuBar, CVrxPToolBar, 1)

namespace
{
// Appends the menu's items to the list as new buttons (the list owns them).
void ButtonsFromMenu(HMENU hMenu, CObList& buttons)
{
    const int nItems = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nItems; i++)
    {
        char text[CVrxPPopupMenuBar::maxItemText] = "";
        ::GetMenuString(hMenu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        const UINT nID = ::GetMenuItemID(hMenu, i);
        const UINT nState = ::GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION);
        CVrxPToolbarButton* pButton = nullptr;
        if (nID == static_cast<UINT>(-1))
        {
            pButton = new CVrxPToolbarMenuButton(0, ::GetSubMenu(hMenu, i), -1, text);
        }
        else if (nID == 0 || (nState & MF_SEPARATOR) != 0)
        {
            pButton = new CVrxPToolbarButton;
            pButton->style = CVrxPToolbarButton::styleSeparator;
        }
        else
        {
            pButton = new CVrxPToolbarButton(nID, -1, text);
            if ((nState & MF_CHECKED) != 0)
                pButton->style |= CVrxPToolbarButton::styleChecked;
            if ((nState & (MF_GRAYED | MF_DISABLED)) != 0)
                pButton->style |= CVrxPToolbarButton::styleDisabled;
        }
        pButton->textShown = TRUE;
        buttons.AddTail(pButton);
    }
}

// A copy of a menu tree; NULL stays NULL.
HMENU CopyMenu(HMENU hSource)
{
    if (hSource == NULL)
        return NULL;
    HMENU hCopy = ::CreatePopupMenu();
    const int nItems = ::GetMenuItemCount(hSource);
    for (int i = 0; i < nItems; i++)
    {
        char text[CVrxPPopupMenuBar::maxItemText] = "";
        ::GetMenuString(hSource, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        const UINT nID = ::GetMenuItemID(hSource, i);
        const UINT nState = ::GetMenuState(hSource, static_cast<UINT>(i), MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED);
        if (nID == static_cast<UINT>(-1))
            ::AppendMenu(hCopy, MF_POPUP | nState, reinterpret_cast<UINT_PTR>(CopyMenu(::GetSubMenu(hSource, i))),
                         text);
        else if (nID == 0)
            ::AppendMenu(hCopy, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenu(hCopy, MF_STRING | nState, nID, text);
    }
    return hCopy;
}
} // namespace

CVrxPPopupMenuBar::CVrxPPopupMenuBar() : noImageColumn(FALSE)
{
}

BOOL CVrxPPopupMenuBar::FillFromMenu(HMENU hMenu, BOOL)
{
    if (hMenu == NULL || !::IsMenu(hMenu))
        return FALSE;
    DeleteAllButtons();
    CObList buttons;
    ButtonsFromMenu(hMenu, buttons);
    while (!buttons.IsEmpty())
    {
        CVrxPToolbarButton* pButton = static_cast<CVrxPToolbarButton*>(buttons.RemoveHead());
        pButton->parent = this;
        m_buttons.AddTail(pButton);
    }
    if (m_hWnd != NULL)
        LayoutButtons();
    return TRUE;
}

void CVrxPPopupMenuBar::BuildFromMenuResource(UINT nMenuId)
{
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    if (pWorkspace == nullptr || !pWorkspace->resourceUpdate)
        return;
    HINSTANCE hInstance = AfxFindResourceHandle(MAKEINTRESOURCE(nMenuId), RT_MENU);
    HMENU hMenu = ::LoadMenu(hInstance, MAKEINTRESOURCE(nMenuId));
    if (hMenu == NULL)
        return;
    CObList reset;
    ButtonsFromMenu(::GetSubMenu(hMenu, 0), reset);
    // The reset items outlive the menu: their submenus are not kept.
    for (POSITION pos = reset.GetHeadPosition(); pos != NULL;)
        if (CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<CVrxPToolbarMenuButton*>(reset.GetNext(pos)))
            pMenuButton->popupMenu = NULL;
    ReplaceResetButtons(reset);
    ::DestroyMenu(hMenu);
}

HMENU CVrxPPopupMenuBar::BuildMenuHandle() const
{
    HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < GetCount(); i++)
    {
        const CVrxPToolbarButton* pButton = GetButton(i);
        if (!pButton->visible)
            continue;
        if (pButton->IsSeparator())
        {
            ::AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT nFlags = MF_STRING;
        if ((pButton->style & CVrxPToolbarButton::styleChecked) != 0)
            nFlags |= MF_CHECKED;
        if ((pButton->style & CVrxPToolbarButton::styleDisabled) != 0)
            nFlags |= MF_GRAYED;
        const CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<const CVrxPToolbarMenuButton*>(pButton);
        if (pMenuButton != nullptr && pMenuButton->popupMenu != NULL)
            ::AppendMenu(hMenu, nFlags | MF_POPUP, reinterpret_cast<UINT_PTR>(CopyMenu(pMenuButton->popupMenu)),
                         pButton->text);
        else
            ::AppendMenu(hMenu, nFlags, pButton->commandId, pButton->text);
    }
    return hMenu;
}
