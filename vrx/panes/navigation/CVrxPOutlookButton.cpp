#include "panes/navigation/CVrxPOutlookButton.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "gdi/CDC.h"
#include "panes/navigation/CVrxPOutlookBarPane.h"
#include "themes/CVrxPVisualManager.h"

#include <algorithm>

IMPLEMENT_SERIAL(CVrxPOutlookButton, CVrxPToolbarButton, 1)

void CVrxPOutlookButton::AssignFrom(const CVrxPToolbarButton& other)
{
    CVrxPToolbarButton::AssignFrom(other);
    if (const auto* pOther = dynamic_cast<const CVrxPOutlookButton*>(&other))
    {
        imageWidth = pOther->imageWidth;
        imageHeight = pOther->imageHeight;
    }
}

CSize CVrxPOutlookButton::Measure(CDC& dc, int nWidth, int nImageHeight, BOOL bVertical)
{
    CString label = text;
    if (bVertical)
    {
        const int nSpaces = dc.GetTextExtent(CString("   ")).cx;
        CRect rectLabel(0, 0, std::max(nWidth - nSpaces, 1), 0);
        int nLabelHeight = 0;
        if (textShown && !label.IsEmpty())
            nLabelHeight = dc.DrawText(label, &rectLabel, DT_CALCRECT | DT_WORDBREAK);
        else
            rectLabel.right = 0;
        labelFits = rectLabel.Width() <= nWidth;
        const int nButtonWidth = std::max(std::min(nWidth, rectLabel.Width()), imageWidth + 4);
        return CSize(nButtonWidth, nImageHeight + nLabelHeight + 10);
    }
    CRect rectLabel(0, 0, 1, nImageHeight);
    dc.DrawText(label, &rectLabel, DT_CALCRECT | DT_WORDBREAK);
    labelFits = TRUE;
    return CSize(nWidth + rectLabel.Width() + 10, std::max(imageHeight, std::min(nImageHeight, rectLabel.Height())));
}

void CVrxPOutlookButton::DrawInPane(CDC& dc, const CRect& rectButton, BOOL bHighlighted, BOOL bPressed)
{
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    const BOOL bCustomizing = CVrxPToolBar::customizeMode;
    const BOOL bHighColor = pane != nullptr && pane->HasHighColorBackground();
    CRect rect = rectButton;
    const int nShift = !bCustomizing && bHighlighted && bPressed ? 1 : 0;

    CVrxPToolbarImageList* pImages = CVrxPOutlookBarPane::PaneImages();
    const int nImage = GetEffectiveImage();
    CRect rectFrame = rect;
    CRect rectLabel = rect;
    if (pImages != nullptr && nImage >= 0 && nImage < pImages->GetCount())
    {
        const CRect rectImage(CPoint(rect.left + (rect.Width() - imageWidth) / 2 + nShift, rect.top + imageMargin + nShift),
                              CSize(imageWidth, imageHeight));
        rectLabel.top = rect.top + imageMargin + imageHeight + labelGap;
        rectFrame = rectImage;
        rectFrame.InflateRect(2, 2);
        if (bHighColor && bHighlighted && !bCustomizing)
            CVrxPPainter(dc).LightenRect(rectFrame, 85);
        CVrxPImageDrawState state;
        if (pImages->BeginDraw(state))
        {
            pImages->DrawImage(&dc, rectImage.left, rectImage.top, nImage, FALSE, (style & styleDisabled) != 0);
            pImages->EndDraw(state);
        }
    }
    else if (bHighColor && bHighlighted && !bCustomizing)
    {
        CVrxPPainter(dc).LightenRect(rectFrame, 85);
    }
    const BOOL bChecked = (style & styleChecked) != 0;
    if (!bCustomizing && (bHighlighted || bChecked || bPressed))
        pLook->PaintButtonFrame(&dc, this, rectFrame,
                                (bPressed && bHighlighted) || bChecked ? CVrxPVisualManager::statePressed
                                                                      : CVrxPVisualManager::stateHighlighted);
    if (!textShown || text.IsEmpty())
        return;
    const int nState = bHighlighted ? CVrxPVisualManager::stateHighlighted
                                    : (bChecked || bPressed ? CVrxPVisualManager::statePressed : 0);
    COLORREF color;
    const BOOL bImageBack = pane != nullptr && pane->backImage != NULL;
    if ((style & styleDisabled) != 0)
        color = bImageBack ? VrxPGlobals().colorGrayText : pLook->QueryButtonTextColor(this, nState);
    else if (pane != nullptr && pane->textColor != static_cast<COLORREF>(-1))
        color = pane->textColor;
    else
        color = bImageBack ? VrxPGlobals().colorWindowText : pLook->QueryButtonTextColor(this, nState);
    dc.SetTextColor(color);
    rectLabel.OffsetRect(nShift, nShift);
    CString label = text;
    dc.DrawText(label, &rectLabel, labelFits ? DT_CENTER | DT_WORDBREAK : DT_WORDBREAK | DT_END_ELLIPSIS);
}
