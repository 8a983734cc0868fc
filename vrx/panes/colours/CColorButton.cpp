#include "panes/colours/CColorButton.h"

#include "foundation/CVrxPGlobals.h"
#include "gdi/CDC.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPToolBar.h"

IMPLEMENT_SERIAL(CColorButton, CVrxPToolbarButton, 1)

namespace
{
const UINT checkedOrPressed = CVrxPToolbarButton::styleChecked | CVrxPToolbarButton::stylePressed;
const UINT checkedOrIndeterminate = CVrxPToolbarButton::styleChecked | CVrxPToolbarButton::styleIndeterminate;

void FrameRect(CDC* pDC, const CRect& rect, COLORREF color) { pDC->Draw3dRect(&rect, color, color); }

// Highlight at top-left and dark edge at bottom-right, then the reverse one
// pixel further in.
void EtchedFrame(CDC* pDC, CRect rect)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    pDC->Draw3dRect(&rect, globals.colorLightEdge, globals.colorShade);
    rect.OffsetRect(1, 1);
    pDC->Draw3dRect(&rect, globals.colorShade, globals.colorLightEdge);
}
} // namespace

CColorButton::CColorButton() : CColorButton(static_cast<COLORREF>(-1), FALSE, FALSE) {}

CColorButton::CColorButton(COLORREF colorSwatch, BOOL bAutomatic, BOOL bOther, LPCTSTR lpszText, BOOL bHighlighted,
                           BOOL bDocument, BOOL bCustom)
    : color(colorSwatch), highlighted(bHighlighted), isAutomatic(bAutomatic), isOther(bOther), isLabel(FALSE),
      isDocument(bDocument), isCustom(bCustom), colorBar(nullptr)
{
    text = lpszText != nullptr ? lpszText : "";
    locked = TRUE;
    imageShown = FALSE;
    textShown = TRUE;
}

CColorButton::CColorButton(LPCTSTR lpszText, BOOL bDocument) : CColorButton(static_cast<COLORREF>(-1), FALSE, FALSE, lpszText)
{
    isLabel = TRUE;
    isDocument = bDocument;
}

void CColorButton::DrawItem(CDC* pDC, const CRect& rect, BOOL bHot, BOOL bPressed, BOOL bCustomizing,
                            HPALETTE hPalette)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    const UINT nSavedStyle = style;
    if (highlighted && IsSwatch())
        style |= styleChecked;
    if (bPressed)
        style |= stylePressed;
    HPALETTE hOldPalette = NULL;
    if (hPalette != NULL)
    {
        hOldPalette = ::SelectPalette(pDC->GetSafeHdc(), hPalette, FALSE);
        ::RealizePalette(pDC->GetSafeHdc());
    }
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    const BOOL bDisabled = (style & styleDisabled) != 0;
    const int nFaceState = (style & checkedOrPressed) != 0                       ? CVrxPVisualManager::statePressed
                           : bHot && !isDocument && (style & checkedOrIndeterminate) == 0 ? CVrxPVisualManager::stateHighlighted
                                                                                          : 0;
    pLook->PaintButtonFace(pDC, this, rect, nFaceState);
    if (!bDisabled && !isLabel && !bCustomizing)
    {
        if ((style & checkedOrPressed) != 0)
            pLook->PaintButtonFrame(pDC, this, rect, CVrxPVisualManager::statePressed);
        else if (bHot && (style & checkedOrIndeterminate) == 0)
            pLook->PaintButtonFrame(pDC, this, rect, CVrxPVisualManager::stateHighlighted);
    }

    CRect rectInner = rect;
    rectInner.DeflateRect(2 * ::GetSystemMetrics(SM_CXBORDER), 2 * ::GetSystemMetrics(SM_CYBORDER));
    CRect rectSwatch = rectInner;
    rectSwatch.right--;
    rectSwatch.bottom--;
    if (IsSwatch())
    {
        if (!bDisabled)
            pDC->FillSolidRect(&rectSwatch, 0x02000000 | color);
    }
    else
    {
        CRect rectText = rectInner;
        if (isAutomatic && color != static_cast<COLORREF>(-1))
        {
            CRect rectSample = rectInner;
            rectSample.DeflateRect(1, 1);
            rectSample.right = rectSample.left + rectSample.Height();
            if (!bDisabled)
            {
                pDC->FillSolidRect(&rectSample, 0x02000000 | color);
                FrameRect(pDC, rectSample, globals.colorShade);
            }
            else
                EtchedFrame(pDC, rectSample);
            rectText.left = rectSample.right + 2 * ::GetSystemMetrics(SM_CXBORDER);
        }
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(bDisabled && !isLabel ? globals.colorGrayText : globals.colorButtonText);
        HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), globals.fontRegular.GetSafeHandle());
        const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | (isLabel ? 0 : DT_CENTER);
        ::DrawText(pDC->GetSafeHdc(), text, -1, &rectText, nFormat);
        ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    }
    if (IsSwatch() || isAutomatic)
    {
        const CRect& rectFrame = IsSwatch() ? rectSwatch : rectInner;
        if (!bDisabled)
            FrameRect(pDC, rectFrame, globals.colorShade);
        else
            EtchedFrame(pDC, rectInner);
    }
    if (hPalette != NULL)
        ::SelectPalette(pDC->GetSafeHdc(), hOldPalette, FALSE);
    style = nSavedStyle;
}

CString CColorButton::TooltipText() const
{
    CString tip;
    if ((style & styleDisabled) != 0 || !CVrxPToolBar::showTooltips)
        return tip;
    if (IsSwatch())
        tip.Format("Hex={%02X,%02X,%02X}", GetRValue(color), GetGValue(color), GetBValue(color));
    else
        tip = text;
    return tip;
}
