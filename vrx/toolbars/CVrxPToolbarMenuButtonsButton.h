#pragma once

// One of the maximised MDI child's caption buttons at the far end of the
// menu bar: minimise, restore or close. The menu bar sends its system
// command to the active child. Transient: never dragged, never stored.

#include "toolbars/CVrxPToolbarButton.h"

class CVrxPToolbarMenuButtonsButton : public CVrxPToolbarButton
{
    DECLARE_SERIAL(CVrxPToolbarMenuButtonsButton)
public:
    CVrxPToolbarMenuButtonsButton();
    explicit CVrxPToolbarMenuButtonsButton(UINT nSystemCommand);

    void Serialize(CArchive& ar) override;
    void AssignFrom(const CVrxPToolbarButton& other) override;
    BOOL IsDraggable() const override { return FALSE; }
    void Draw(CDC* pDC, const CRect& rectButton, CVrxPToolbarImageList* pImages) override;
    // The look draws the glyph for the command, the style (disabled,
    // pressed) and the pointer being over it.
    void DrawCaption(CDC* pDC, const CRect& rectButton, BOOL bHighlighted, BOOL bPressed) const;
    static CSize MeasureSize();

    // SC_MINIMIZE, SC_RESTORE or SC_CLOSE.
    UINT systemCommand;
};
