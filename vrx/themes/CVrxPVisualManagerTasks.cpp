// The base look's tasks pane: its background and border, the groups'
// captions, icons and frames, the tasks and the scroll buttons.

#include "themes/CVrxPVisualManager.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "gdi/CImageList.h"
#include "gdi/CPen.h"
#include "panes/navigation/CVrxPTask.h"
#include "panes/navigation/CVrxPTasksGroup.h"
#include "panes/navigation/CVrxPTasksPane.h"

#include <algorithm>

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

int PaneValueOr(int nPaneValue, int nLookValue)
{
    return nPaneValue != -1 ? nPaneValue : nLookValue;
}
} // namespace

void CVrxPVisualManager::PaintTasksPaneBackground(CDC* pDC, CRect rect)
{
    pDC->FillRect(&rect, &VrxPGlobals().brushWindow);
}

void CVrxPVisualManager::PaintTaskGroupBackground(CDC*, CRect, BOOL)
{
}

void CVrxPVisualManager::PaintTaskGroupCaption(CDC* pDC, CVrxPTasksGroup* pGroup, BOOL bHot, BOOL,
                                               BOOL bWithButton)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CVrxPTasksPane* pPane = pGroup->pane;
    const BOOL bToolBox = dynamic_cast<const CVrxPToolBoxEx*>(pPane) != nullptr;
    const int nIndentH = PaneValueOr(pPane != nullptr ? pPane->captionIndentH : -1, taskCaptionIndentH);
    const int nIndentV = PaneValueOr(pPane != nullptr ? pPane->captionIndentV : -1, taskCaptionIndentV);
    CRect rectCaption = pGroup->captionRect;

    if (bToolBox)
    {
        CRect rectShade = rectCaption;
        rectShade.DeflateRect(1, 0, 1, 1);
        pDC->FillSolidRect(&rectShade, globals.colorBarShade);
        if (bWithButton)
        {
            const int yCentre = rectCaption.CenterPoint().y;
            const CRect rectBox(rectCaption.left + 6, yCentre - 4, rectCaption.left + 15, yCentre + 5);
            pDC->FillRect(&rectBox, &globals.brushBarFace);
            PaintPlusMinusBox(pDC, rectBox, !pGroup->collapsed, globals.colorBarText);
            rectCaption.left = rectBox.right + 6;
            bWithButton = FALSE;
        }
    }
    else
    {
        pDC->FillSolidRect(&rectCaption, pGroup->special ? globals.colorSelection : globals.colorBarFace);
    }

    const BOOL bIcon = pGroup->icon != NULL && pGroup->iconSize.cx < rectCaption.Width();
    if (bIcon)
        PaintTaskGroupIcon(pDC, pGroup, 5, bHot, FALSE, bWithButton);

    COLORREF colorText = pGroup->textColor;
    if (bWithButton && bHot)
        colorText = pGroup->hotTextColor;
    if (colorText == kNone)
        colorText = pGroup->special ? globals.colorWindow : globals.colorWindowText;
    if (bToolBox)
        colorText = globals.colorWindow;
    CFont* pOldFont = pDC->SelectObject(&globals.fontBold);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF colorOldText = pDC->SetTextColor(colorText);
    CRect rectText = rectCaption;
    rectText.left = rectCaption.left + (bIcon ? pGroup->iconSize.cx + 5 : nIndentH);
    rectText.top = rectCaption.top + nIndentV;
    const int nRight = rectCaption.right - (bWithButton ? rectCaption.Height() : nIndentH);
    if (nRight >= rectText.left)
        rectText.right = nRight;
    pDC->DrawText(pGroup->name, &rectText, DT_SINGLELINE | DT_VCENTER);
    pDC->SetTextColor(colorOldText);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);

    if (!bWithButton || pGroup->name.IsEmpty())
        return;
    // The collapse button sits centred in the caption's last square.
    const CSize sizeGlyph = CVrxPMenuGlyphs::GetImageSize();
    const int nHalfHeight = (rectCaption.Height() + 1) / 2;
    const CPoint ptButton(rectCaption.right - (sizeGlyph.cx + 1) / 2 - nHalfHeight,
                          rectCaption.bottom - (sizeGlyph.cy + 1) / 2 - nHalfHeight);
    if (ptButton.x < rectCaption.left || ptButton.y < rectCaption.top)
        return;
    CRect rectButton(ptButton, sizeGlyph);
    if (bHot)
    {
        CRect rectFrame = rectButton;
        rectFrame.InflateRect(1, 1);
        pDC->Draw3dRect(&rectFrame, globals.colorWindow, globals.colorBarShade);
    }
    CVrxPMenuGlyphs::DrawGlyph(pDC, pGroup->collapsed ? CVrxPMenuGlyphs::arrowDown : CVrxPMenuGlyphs::arrowUp,
                               ptButton, CVrxPMenuGlyphs::black);
}

void CVrxPVisualManager::PaintTaskGroupIcon(CDC* pDC, CVrxPTasksGroup* pGroup, int nMargin, BOOL, BOOL, BOOL)
{
    if (pGroup->icon == NULL)
        return;
    const CVrxPTasksPane* pPane = pGroup->pane;
    const int nIndentV = PaneValueOr(pPane != nullptr ? pPane->captionIndentV : -1, taskCaptionIndentV);
    const CRect& rectCaption = pGroup->captionRect;
    const CSize size = pGroup->iconSize;
    const int x = rectCaption.left + nMargin / 2;
    const int y = rectCaption.bottom - size.cy - std::max<int>(0, (rectCaption.Height() - size.cy - nIndentV) / 2);
    ::DrawIconEx(pDC->GetSafeHdc(), x, y, pGroup->icon, size.cx, size.cy, 0, NULL, DI_NORMAL);
}

CPen* CVrxPVisualManager::PaintTaskGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bClosedTop)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CPen* pOldPen = pDC->SelectObject(bSpecial ? &globals.penSelection : &globals.penBarFace);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.left, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.top);
    if (bClosedTop)
        pDC->LineTo(rect.left, rect.top);
    else
        pDC->LineTo(rect.right - 1, rect.top - 1);
    pDC->SelectObject(pOldPen);
    return pOldPen;
}

void CVrxPVisualManager::PaintTask(CDC* pDC, CVrxPTask* pTask, CImageList* pImages, BOOL bHot, int)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CRect& rect = pTask->rect;
    if (pTask->separator)
    {
        CPen* pOldPen = pDC->SelectObject(&globals.penBarFace);
        const int y = rect.CenterPoint().y;
        pDC->MoveTo(rect.left, y);
        pDC->LineTo(rect.right, y);
        pDC->SelectObject(pOldPen);
        return;
    }
    const CVrxPTasksPane* pPane = pTask->group != nullptr ? pTask->group->pane : nullptr;
    CRect rectText = rect;
    int cxImage = 0;
    int cyImage = 0;
    if (pTask->image >= 0 && pImages != nullptr && pImages->GetIconSize(&cxImage, &cyImage) && cxImage > 0)
    {
        pImages->Draw(pDC, pTask->image, rect.TopLeft(), ILD_TRANSPARENT);
        rectText.left += cxImage + PaneValueOr(pPane != nullptr ? pPane->iconTextGap : -1, taskIconTextGap);
    }

    const COLORREF colorPlain = pTask->textColor != kNone ? pTask->textColor : globals.colorWindowText;
    CFont* pFont = &globals.fontRegular;
    COLORREF colorText = colorPlain;
    if (!pTask->HasCommand())
    {
        if (pTask->bold)
            pFont = &globals.fontBold;
    }
    else if (!pTask->enabled)
    {
        colorText = globals.colorGrayText;
    }
    else if (bHot)
    {
        pFont = &globals.fontUnderline;
        colorText = pTask->hotTextColor != kNone ? pTask->hotTextColor : colorPlain;
    }
    const BOOL bWrap = pPane != nullptr && (pTask->HasCommand() ? pPane->wrapTasks : pPane->wrapLabels);
    CFont* pOldFont = pDC->SelectObject(pFont);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF colorOldText = pDC->SetTextColor(colorText);
    pDC->DrawText(pTask->text, &rectText,
                  bWrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    pDC->SetTextColor(colorOldText);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void CVrxPVisualManager::PaintTasksPaneScrollButton(CDC* pDC, CRect* pRect, int nExtendUp, int nGlyph, BOOL bHot)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CRect rectFill = *pRect;
    rectFill.top -= nExtendUp;
    pDC->FillRect(&rectFill, &globals.brushBarFace);
    if (bHot)
    {
        CVrxPPainter(*pDC).LightenRect(*pRect, -1);
        pDC->Draw3dRect(pRect, globals.colorBarLightEdge, globals.colorBarDarkShade);
    }
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, nGlyph, *pRect, CVrxPMenuGlyphs::black);
}

void CVrxPVisualManager::PaintTasksPaneBorder(CDC* pDC, CRect* pRect)
{
    pDC->Draw3dRect(pRect, VrxPGlobals().colorBarFace, VrxPGlobals().colorBarFace);
}
