#pragma once

// A button that opens a popup menu: every top-level popup of the menu bar.
// In this first form it opens the platform popup menu it was given; the
// menu belongs to whoever built it (the frame's menu), not to the button.

#include "toolbars/CVrxPToolbarButton.h"

class CVrxPToolbarMenuButton : public CVrxPToolbarButton
{
    DECLARE_SERIAL(CVrxPToolbarMenuButton)
public:
    static constexpr UINT stateChecked = 0x10000;

    CVrxPToolbarMenuButton();
    CVrxPToolbarMenuButton(UINT nID, HMENU hMenu, int nImage, LPCTSTR lpszText = nullptr);

    void AssignFrom(const CVrxPToolbarButton& other) override;
    // Menus come from the frame each time: the button is not stored.
    BOOL IsDraggable() const override { return FALSE; }
    virtual BOOL IsPopupOpen() const { return popupOpen; }

    HMENU popupMenu;
    BOOL popupOpen;
};
