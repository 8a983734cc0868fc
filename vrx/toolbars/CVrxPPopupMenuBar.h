#pragma once

// The items of one popup menu, held as toolbar buttons: what a popup menu
// shows, what the menu store keeps for a menu, and what customising edits.
// It converts between its buttons and platform menus in both directions.

#include "toolbars/CVrxPToolBar.h"

class CVrxPPopupMenuBar : public CVrxPToolBar
{
    DECLARE_SERIAL(CVrxPPopupMenuBar)
public:
    static constexpr UINT maxItemText = 1024;

    CVrxPPopupMenuBar();

    // The buttons become the menu's items: separators, submenus (menu
    // buttons holding the submenu's handle) and commands with their checked
    // and disabled states. FALSE for a null menu, which changes nothing.
    virtual BOOL FillFromMenu(HMENU hMenu, BOOL bShowAll = FALSE);
    // When the workspace compares saved menus with their resources, the
    // reset items become the first sub-menu of the menu resource.
    void BuildFromMenuResource(UINT nMenuId);
    // A new platform popup menu with the buttons as items (the caller
    // destroys it); submenus are copied from the handles the buttons hold.
    HMENU BuildMenuHandle() const;

    // The looks draw no image column when set.
    BOOL noImageColumn;
    // The looks fill the items' background with the window colour.
    BOOL whiteBackground = FALSE;
};
