#pragma once

// The XP look: light menus with a tinted image column, toolbars filled with a
// colour between the button face and the window colour, hot and pressed
// buttons filled with a tint of the selection colour inside a one-pixel
// frame, pattern grippers, drop shades under menus and under the button
// whose menu is open, and a popup menu that joins the button that opened it.
// Every tint is computed by ReloadPalette from the global colours; fills with
// a tint go through PaintBrushFill so a derived look can turn them into
// gradients in one place.

#include "gdi/CPen.h"
#include "themes/CVrxPVisualManager.h"

class CVrxPVisualManagerXP : public CVrxPVisualManager
{
    DECLARE_DYNCREATE(CVrxPVisualManagerXP)
public:
    explicit CVrxPVisualManagerXP(BOOL bTemporary = FALSE);
    ~CVrxPVisualManagerXP() override;

    void ReloadPalette() override;

    // The box behind the image of a checked menu item.
    virtual void PaintMenuImageBack(CDC* pDC, CVrxPToolbarMenuButton* pButton, CRect rect);
    virtual void PaintCaptionButtonGlyph(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, int nGlyph, BOOL bActive,
                                         BOOL bDisabled, CPoint location);
    virtual void CreateDitherBrush();
    // Extends the button's rectangle towards its open popup so that the two
    // overlap; answers the extension (4 for an unknown direction, 0 without
    // a popup).
    virtual int ComputeMenuJoinRect(CVrxPToolbarMenuButton* pButton, CRect* pRect);
    // The light colour the menus are mixed from.
    virtual COLORREF QueryMenuGutterColor();
    virtual void PaintBrushFill(CDC* pDC, CRect rect, CBrush* pBrush, CVrxPToolbarButton* pButton);

    // Where a popup opened from a button lies.
    enum PopupDirection
    {
        dropBelow = 1,
        dropAbove = 2,
        dropRight = 3,
        dropLeft = 4
    };
    static int DropDirectionOf(const CRect& rectButton, const CRect& rectPopup);
    // Extends the button's rectangle towards a popup lying in the direction:
    // 1 pixel when the popup is narrower than the button, else 4.
    static int JoinExtension(const CRect& rectPopup, int nDirection, CRect* pRect);

    // The colour-set of the menu-glyph store for a caption button's glyph.
    int CaptionGlyphVariant(const CVrxPMiniFrameTitleButton* pButton, BOOL bActive, BOOL bDisabled) const;

    // 8 x 8 monochrome patterns: alternate rows set, alternate columns set.
    CBrush rowPatternBrush;
    CBrush columnPatternBrush;
    COLORREF toolbarColor;
    CBrush toolbarBrush;
    COLORREF rarelyUsedColor;
    CBrush rarelyUsedBrush;
    COLORREF menuColor;
    CBrush menuBrush;
    COLORREF inactiveTabTextColor;
    CBrush tabAreaBrush;
    COLORREF highlightColor;
    CBrush highlightBrush;
    COLORREF pressedColor;
    CBrush pressedBrush;
    COLORREF checkedColor;
    CBrush checkedBrush;
    // -1: pressed buttons are framed in highlightFrameColor.
    COLORREF pressedFrameColor;
    COLORREF gripperColor;
    COLORREF separatorColor;
    CPen separatorPen;
    COLORREF paneBorderColor;
    COLORREF menuBorderColor;
    COLORREF highlightFrameColor;
    CPen highlightFramePen;
    CBrush floatingFrameBrush;
    BOOL joinMenuToButton;
    BOOL shadeOpenMenuButton;
    BOOL separatorAfterLastTab;

private:
    void ComputeRichPalette(COLORREF& colorTabArea, COLORREF& colorFloatingFrame);
    void ComputePlainPalette(COLORREF& colorTabArea, COLORREF& colorFloatingFrame);
};
