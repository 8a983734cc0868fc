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

    static constexpr int defaultMenuImageWidth = 16;

    void ReloadPalette() override;

    // Bars.
    void PaintBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip, BOOL bNonClient = FALSE) override;
    void PaintBarBorder(CDC* pDC, CVrxPBaseControlBar* pBar, CRect& rect) override;
    void PaintBarGripper(CDC* pDC, CRect rect, BOOL bHorizontal, CVrxPBaseControlBar* pBar) override;
    void PaintSeparator(CDC* pDC, CVrxPBaseControlBar* pBar, CRect rect, BOOL bHorizontal) override;
    COLORREF PaintMenuTitle(CDC* pDC, CRect rect) override;
    void PaintFloatingToolbarBorder(CDC* pDC, CVrxPMiniFrameWnd* pFrame, CRect rect, CRect rectBorderSize) override;

    // Buttons and menus.
    void PaintButtonFace(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState) override;
    void PaintButtonFrame(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState) override;
    void PaintMenuButtonFrame(CDC* pDC, CVrxPToolbarMenuButton* pButton, CRect rect, int nState,
                              BOOL bHorizontal) override;
    COLORREF QueryButtonTextColor(CVrxPToolbarButton* pButton, int nState) override;
    COLORREF PaintCustomizeSelection(CDC* pDC, CRect rect, BOOL bSelected) override;
    void PaintDropDownArrow(CDC* pDC, CRect rect, BOOL bHighlighted) override;
    COLORREF QueryDisabledImageColor() override;
    void PaintMdiControlButton(CDC* pDC, CRect rect, UINT nCommand, UINT nStyle, BOOL bHighlighted) override;
    void PaintComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                              CVrxPToolbarComboBoxButton* pCombo) override;
    void PaintComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                          CVrxPToolbarComboBoxButton* pCombo) override;
    void PaintEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bHighlighted,
                         CVrxPToolbarEditBoxButton* pEdit) override;
    void PaintMenuFrame(CDC* pDC, CVrxPPopupMenu* pMenu, CRect rect) override;
    void PaintMenuDropShade(CDC* pDC, const CRect& rectClient, const CRect& rectExclude, int nDepth, int nPercentA,
                            int nPercentB, CBitmap* pSaveBottom, CBitmap* pSaveRight, BOOL bRightToLeft) override;
    void PaintMenuItemHighlight(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, COLORREF* pText) override;
    COLORREF QueryMenuItemTextColor(CVrxPToolbarButton* pButton) override;
    BOOL UsesFullWidthMenuHighlight() override;
    void PaintRarelyUsedBand(CDC* pDC, CRect rect) override;
    void PaintTearOffCaption(CDC* pDC, CRect rect, BOOL bHighlighted) override;
    void PaintMenuResizeGripper(CDC* pDC, CRect rect, BOOL bWidthToo) override;
    int QueryMenuTextMargin() override;
    int QueryMenuOffset() override;
    BOOL OffersLook2000Option() override;

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

    // The width of the images in menus.
    static int MenuImageWidth();

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

protected:
    // Fills with a pattern brush in the given foreground and background.
    void PaintPattern(CDC* pDC, const CRect& rect, CBrush* pPattern, COLORREF colorText, COLORREF colorBack);
    // Border strips of the given widths in the outer brush, and inside them,
    // two pixels in, strips one pixel shorter at each end in the inner one.
    static void PaintFramedStrips(CDC* pDC, CRect rect, CRect widths, CBrush* pOuter, CBrush* pInner);

private:
    void ComputeRichPalette(COLORREF& colorTabArea, COLORREF& colorFloatingFrame);
    void ComputePlainPalette(COLORREF& colorTabArea, COLORREF& colorFloatingFrame);
};
