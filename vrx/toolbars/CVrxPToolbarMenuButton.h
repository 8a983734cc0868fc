#pragma once

// A button that opens a popup menu: every top-level popup of the menu bar
// and every submenu item of a popup. The menu belongs to whoever built it
// (the frame's menu), not to the button; the popup it opened is the
// library's own and forgets the button when either goes first.

#include "toolbars/CVrxPToolbarButton.h"

class CVrxPPopupMenu;

class CVrxPToolbarMenuButton : public CVrxPToolbarButton
{
    DECLARE_SERIAL(CVrxPToolbarMenuButton)
public:
    static constexpr UINT stateChecked = 0x10000;

    CVrxPToolbarMenuButton();
    CVrxPToolbarMenuButton(UINT nID, HMENU hMenu, int nImage, LPCTSTR lpszText = nullptr);
    ~CVrxPToolbarMenuButton() override;

    void AssignFrom(const CVrxPToolbarButton& other) override;
    // Menus come from the frame each time: the button is not stored.
    BOOL IsDraggable() const override { return FALSE; }
    virtual BOOL IsPopupOpen() const { return popupOpen; }

    HMENU popupMenu;
    BOOL popupOpen;
    // The popup this button opened while it is open (never copied).
    CVrxPPopupMenu* popup;
};
