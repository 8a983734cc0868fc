// The 2007 look's toolbar and menu buttons, edits and combos: faces from the
// style's strips, frames and gradients in its colours, while it is in force.

#include "themes/2007/CVrxPVisualManager2007.h"

#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "panes/colours/CVrxPColorBar.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

namespace
{

const int stateNormal = 0;
const int statePressed = 1;
const int stateHighlighted = 2;

// Which image of the toolbar button strip a button shows; -1 for none.
int ToolbarFaceImage(UINT nStyle, int nState)
{
    const BOOL bChecked = (nStyle & CVrxPToolbarButton::styleChecked) != 0;
    if ((nStyle & CVrxPToolbarButton::styleDisabled) != 0)
        return bChecked ? 0 : -1;
    if ((nStyle & CVrxPToolbarButton::stylePressed) != 0)
        return 2;
    if (bChecked)
        return nState == statePressed ? 3 : (nState == stateHighlighted ? 4 : -1);
    return nState == stateHighlighted ? 1 : -1;
}

} // namespace

void CVrxPVisualManager2007::PaintButtonFace(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState)
{
    if (!IsStyleInForce() || pButton == nullptr)
    {
        CVrxPVisualManager2003::PaintButtonFace(pDC, pButton, rect, nState);
        return;
    }
    if (CVrxPToolBar::customizeMode && !CVrxPToolBar::AltDragEnabled && !pButton->locked)
        return;
    const BOOL bDisabled = (pButton->style & CVrxPToolbarButton::styleDisabled) != 0;
    const BOOL bChecked = (pButton->style & CVrxPToolbarButton::styleChecked) != 0;
    const BOOL bActive = nState == statePressed || nState == stateHighlighted;
    CWnd* pOwner = pButton->parent;
    if (const CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<CVrxPToolbarMenuButton*>(pButton))
    {
        if (dynamic_cast<CVrxPMenuBar*>(pOwner) != nullptr)
        {
            if (bActive)
                m_rndMenuBarButton.Draw(pDC, rect, pMenuButton->IsPopupOpen() ? 1 : 0);
            return;
        }
        if (dynamic_cast<CVrxPPopupMenuBar*>(pOwner) != nullptr)
        {
            if (bChecked)
            {
                rect.bottom++;
                m_rndMenuItemBack.Draw(pDC, rect, bDisabled ? 1 : 0);
            }
            else if (bActive)
                m_rndMenuHighlighted[bDisabled ? 1 : 0].Draw(pDC, rect);
            return;
        }
    }
    if (dynamic_cast<CVrxPColorBar*>(pOwner) != nullptr)
    {
        if (!bDisabled && nState == stateHighlighted)
            m_rndMenuHighlighted[0].Draw(pDC, rect);
        else if (bChecked)
            m_rndMenuItemBack.Draw(pDC, rect, bDisabled ? 1 : 0);
        else
            CVrxPVisualManager2003::PaintButtonFace(pDC, pButton, rect, nState);
        return;
    }
    const int nImage = ToolbarFaceImage(pButton->style, nState);
    if (nImage >= 0)
        m_rndToolbarButton.Draw(pDC, rect, nImage);
}

void CVrxPVisualManager2007::PaintButtonFrame(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState)
{
    // The face's strip carries the frame.
    if (!IsStyleInForce())
        CVrxPVisualManager2003::PaintButtonFrame(pDC, pButton, rect, nState);
}

COLORREF CVrxPVisualManager2007::QueryButtonTextColor(CVrxPToolbarButton* pButton, int nState)
{
    if (!IsStyleInForce() || pButton == nullptr)
        return CVrxPVisualManager2003::QueryButtonTextColor(pButton, nState);
    const BOOL bDisabled = (pButton->style & CVrxPToolbarButton::styleDisabled) != 0;
    const BOOL bActive = nState == statePressed || nState == stateHighlighted;
    if (dynamic_cast<CVrxPMenuBar*>(pButton->parent) != nullptr)
    {
        if (bDisabled)
            return m_clrMenuBarTextDisabled;
        const CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<CVrxPToolbarMenuButton*>(pButton);
        const BOOL bOpen = pMenuButton != nullptr && pMenuButton->IsPopupOpen();
        return bActive || bOpen ? m_clrMenuBarTextHighlighted : m_clrMenuBarTextNormal;
    }
    if (bDisabled)
        return m_clrToolbarTextDisabled;
    return bActive ? m_clrToolbarTextHighlighted : m_clrToolbarTextNormal;
}

void CVrxPVisualManager2007::PaintBrushFill(CDC* pDC, CRect rect, CBrush* pBrush, CVrxPToolbarButton* pButton)
{
    COLORREF dark = static_cast<COLORREF>(-1);
    COLORREF light = static_cast<COLORREF>(-1);
    if (pBrush == &highlightBrush)
    {
        dark = hotGradientBottom;
        light = hotGradientTop;
    }
    else if (pBrush == &pressedBrush)
    {
        dark = pressedGradientBottom;
        light = pressedGradientTop;
    }
    else if (pBrush == &checkedBrush)
    {
        dark = checkedGradientBottom;
        light = checkedGradientTop;
    }
    if (!IsStyleInForce() || dark == static_cast<COLORREF>(-1) || light == static_cast<COLORREF>(-1))
    {
        CVrxPVisualManager2003::PaintBrushFill(pDC, rect, pBrush, pButton);
        return;
    }
    CVrxPPainter(*pDC).PaintGradient(rect, dark, light, TRUE);
}

void CVrxPVisualManager2007::PaintComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                                                  CVrxPToolbarComboBoxButton* pCombo)
{
    if (!IsStyleInForce())
    {
        CVrxPVisualManager2003::PaintComboDropButton(pDC, rect, bDisabled, bDropped, bHot, pCombo);
        return;
    }
    if (m_rndComboButtonImage.HasImages())
    {
        const int nImage = bDisabled ? 3 : (bDropped ? 2 : (bHot ? 1 : 0));
        m_rndComboButtonImage.Draw(pDC, CRect(rect.left, rect.top - 1, rect.right + 1, rect.bottom + 1), nImage);
    }
    else
    {
        COLORREF start = m_clrComboButtonGradientStartNormal;
        COLORREF finish = m_clrComboButtonGradientFinishNormal;
        COLORREF border = m_clrComboButtonBorderNormal;
        if (bDisabled)
        {
            start = m_clrComboButtonGradientStartDisabled;
            finish = m_clrComboButtonGradientFinishDisabled;
            border = m_clrComboButtonBorderDisabled;
        }
        else if (bDropped)
        {
            start = m_clrComboButtonGradientStartPressed;
            finish = m_clrComboButtonGradientFinishPressed;
            border = m_clrComboButtonBorderPressed;
        }
        else if (bHot)
        {
            start = m_clrComboButtonGradientStartHighlighted;
            finish = m_clrComboButtonGradientFinishHighlighted;
            border = m_clrComboButtonBorderHighlighted;
        }
        CRect fill = rect;
        if (bDisabled)
        {
            if (border != static_cast<COLORREF>(-1))
                PaintThinFrame(pDC, rect, border);
            fill.DeflateRect(0, 1, 1, 1);
        }
        else
        {
            PaintThinFrame(pDC, CRect(rect.left, rect.top - 1, rect.right + 1, rect.bottom + 1), border);
            if (bHot || bDropped)
                fill.left++;
        }
        CVrxPPainter(*pDC).PaintGradient(fill, start, finish, TRUE);
    }
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, CVrxPMenuGlyphs::arrowDown,
                                       rect, bDisabled ? CVrxPMenuGlyphs::grey : CVrxPMenuGlyphs::black);
}

void CVrxPVisualManager2007::PaintComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                                              CVrxPToolbarComboBoxButton* pCombo)
{
    if (!IsStyleInForce())
    {
        CVrxPVisualManager2003::PaintComboBorder(pDC, rect, bDisabled, bDropped, bHot, pCombo);
        return;
    }
    rect.DeflateRect(1, 1);
    COLORREF color = bDropped ? m_clrComboBorderPressed : (bHot ? m_clrComboBorderHighlighted : m_clrComboBorderNormal);
    if (bDisabled)
        color = m_clrComboBorderDisabled;
    PaintThinFrame(pDC, rect, color);
}

void CVrxPVisualManager2007::PaintEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bHighlighted,
                                             CVrxPToolbarEditBoxButton* pEdit)
{
    if (!IsStyleInForce())
    {
        CVrxPVisualManager2003::PaintEditBorder(pDC, rect, bDisabled, bHighlighted, pEdit);
        return;
    }
    rect.DeflateRect(1, 1);
    PaintThinFrame(pDC, rect,
                   bDisabled ? m_clrEditBorderDisabled
                             : (bHighlighted ? m_clrEditBorderHighlighted : m_clrEditBorderNormal));
}
