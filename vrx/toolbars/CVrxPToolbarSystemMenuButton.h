#pragma once

// The maximised MDI child's icon, first on the menu bar: a menu button whose
// popup is the child's own system menu. It only borrows the child's icon
// and menu; neither is ever destroyed here. Like the caption buttons it is
// transient: never dragged, never stored.

#include "toolbars/CVrxPToolbarMenuButton.h"

class CVrxPToolbarSystemMenuButton : public CVrxPToolbarMenuButton
{
    DECLARE_SERIAL(CVrxPToolbarSystemMenuButton)
public:
    CVrxPToolbarSystemMenuButton();
    CVrxPToolbarSystemMenuButton(HMENU hSystemMenu, HICON hIcon);

    void Serialize(CArchive& ar) override;
    void AssignFrom(const CVrxPToolbarButton& other) override;
    BOOL IsDraggable() const override { return FALSE; }
    // The icon at the left edge, centred in height, at the menu-button
    // size; no face, no frame.
    void Draw(CDC* pDC, const CRect& rectButton, CVrxPToolbarImageList* pImages) override;
    // (SM_CXMENUSIZE, the bar's button height).
    static CSize MeasureSize(int nDefaultHeight);

    HICON icon;
    HMENU systemMenu;
};
