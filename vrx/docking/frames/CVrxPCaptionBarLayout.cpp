#include "docking/frames/CVrxPCaptionBarLayout.h"

#include <algorithm>

namespace
{
BOOL IsEmpty(const RECT& rect)
{
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

RECT Make(LONG left, LONG top, LONG right, LONG bottom)
{
    RECT rect = {left, top, right, bottom};
    return rect;
}

void ClampHorizontally(RECT& rect, LONG left, LONG right)
{
    rect.left = std::max(rect.left, left);
    rect.right = std::min(rect.right, right);
}

// A rectangle crossing an edge of the inner area moves back inside; a
// stretched one is cut to it instead.
void KeepInside(RECT& rect, const RECT& inner, BOOL bStretched)
{
    if (bStretched)
    {
        rect.left = std::max(rect.left, inner.left);
        rect.top = std::max(rect.top, inner.top);
        rect.right = std::min(rect.right, inner.right);
        rect.bottom = std::min(rect.bottom, inner.bottom);
        return;
    }
    if (rect.left < inner.left)
        rect = Make(inner.left, rect.top, rect.right + inner.left - rect.left, rect.bottom);
    else if (rect.right > inner.right)
        rect = Make(rect.left - (rect.right - inner.right), rect.top, inner.right, rect.bottom);
    if (rect.top < inner.top)
        rect = Make(rect.left, inner.top, rect.right, rect.bottom + inner.top - rect.top);
    else if (rect.bottom > inner.bottom)
        rect = Make(rect.left, rect.top - (rect.bottom - inner.bottom), rect.right, inner.bottom);
}

// Whether an item must lie before the other one: before a right-aligned
// item, and before a centred one when it is itself left-aligned.
BOOL MustLieBefore(int align, int otherAlign)
{
    return otherAlign == CVrxPCaptionBarLayout::alignRight ||
           (otherAlign == CVrxPCaptionBarLayout::alignCenter && align == CVrxPCaptionBarLayout::alignLeft);
}
} // namespace

int CVrxPCaptionBarLayout::BarHeight(int fixedHeight, int borderSize, int margin, int textHeight, int imageHeight)
{
    if (fixedHeight != -1)
        return fixedHeight;
    return borderSize + 2 * margin + std::max(textHeight + 2, imageHeight);
}

void CVrxPCaptionBarLayout::KeepOnOneSide(RECT& rect, const RECT& other, BOOL bBefore, int spacing)
{
    if (IsEmpty(rect) || IsEmpty(other))
        return;
    const RECT o = Make(other.left - spacing, other.top - spacing, other.right + spacing, other.bottom + spacing);
    const BOOL bLeftInside = rect.left >= o.left && rect.left < o.right;
    const BOOL bRightInside = rect.right > o.left && rect.right <= o.right;
    if (bLeftInside && bRightInside)
        rect.right = rect.left;
    else if (rect.left < o.left && rect.right > o.right)
    {
        if (bBefore)
            rect.right = o.left;
        else
            rect.left = o.right;
    }
    else if (bLeftInside)
        rect.left = o.right;
    else if (bRightInside)
        rect.right = o.left;
    if ((!bBefore && rect.right <= o.left) || (bBefore && rect.left >= o.right))
        rect.right = rect.left;
}

CVrxPCaptionBarLayout::Result CVrxPCaptionBarLayout::Arrange(const Input& in)
{
    Result result = {};
    const RECT& r = in.client;
    if (IsEmpty(r))
        return result;
    const LONG innerLeft = r.left + in.margin;
    const LONG innerRight = r.right - in.margin;
    LONG x = innerLeft;
    LONG xr = innerRight;
    LONG xc = (r.right - r.left) / 2;
    const LONG yc = (r.bottom - r.top) / 2;

    const LONG imageWidth = in.imageSize.cx;
    const LONG imageHeight = in.imageSize.cy;
    if (in.hasImage)
    {
        const LONG top = imageHeight < r.bottom - r.top ? yc - imageHeight / 2 : r.top + in.margin;
        const LONG bottom = in.stretchImage ? r.bottom - in.margin : top + imageHeight;
        if (in.imageAlign == alignLeft)
        {
            result.image = Make(x, top, x + imageWidth, bottom);
            x += imageWidth + in.spacing;
        }
        else if (in.imageAlign == alignRight)
        {
            result.image = Make(xr - imageWidth, top, xr, bottom);
            xr -= imageWidth + in.spacing;
        }
        else if (in.imageAlign == alignCenter)
        {
            result.image = Make(0, top, imageWidth, bottom);
            xc -= imageWidth / 2;
        }
    }

    const LONG buttonWidth = in.buttonLabelWidth + 2 * in.spacing + (in.buttonArrow ? arrowWidth : 0);
    if (in.hasButton)
    {
        if (in.buttonAlign == alignLeft)
        {
            const LONG left = x == innerLeft ? r.left : x;
            result.button = Make(left, r.top, left + buttonWidth, r.bottom);
            x = left + buttonWidth + in.spacing;
        }
        else if (in.buttonAlign == alignRight)
        {
            const LONG right = xr == innerRight ? r.right : xr;
            result.button = Make(right - buttonWidth, r.top, right, r.bottom);
            xr = right - buttonWidth - in.spacing;
        }
        else if (in.buttonAlign == alignCenter)
            xc -= buttonWidth / 2;
        else
            return result;
    }

    const LONG textWidth = in.textSize.cx;
    const LONG textHeight = in.textSize.cy;
    if (in.hasText)
    {
        const LONG top = yc - textHeight / 2;
        if (in.textAlign == alignLeft)
            result.textBounds = Make(x, top, x + textWidth, top + textHeight);
        else if (in.textAlign == alignRight)
            result.textBounds = Make(xr - textWidth, top, xr, top + textHeight);
        else if (in.textAlign == alignCenter)
        {
            result.textBounds = Make(0, top, textWidth, top + textHeight);
            xc -= textWidth / 2;
        }
        else
            return result;
        if (in.textAlign != alignCenter)
            ClampHorizontally(result.textBounds, innerLeft, innerRight);
    }

    if (in.hasImage && in.imageAlign == alignCenter)
    {
        result.image = Make(xc, result.image.top, xc + imageWidth, result.image.bottom);
        xc += imageWidth + in.spacing;
    }
    if (in.hasButton && in.buttonAlign == alignCenter)
    {
        result.button = Make(xc, r.top, xc + buttonWidth, r.bottom);
        xc += buttonWidth + in.spacing;
    }
    if (in.hasText && in.textAlign == alignCenter)
    {
        result.textBounds = Make(xc, result.textBounds.top, xc + textWidth, result.textBounds.bottom);
        ClampHorizontally(result.textBounds, innerLeft, innerRight);
    }
    result.text = result.textBounds;

    if (in.hasImage)
        KeepInside(result.image, Make(innerLeft, r.top + in.margin, innerRight, r.bottom - in.margin),
                   in.stretchImage);

    RECT button = result.button;
    if (in.hasImage)
        KeepOnOneSide(button, result.image, MustLieBefore(in.buttonAlign, in.imageAlign), in.spacing);
    ClampHorizontally(button, innerLeft, innerRight);
    if (in.hasImage)
        KeepOnOneSide(result.text, result.image, MustLieBefore(in.textAlign, in.imageAlign), in.spacing);
    if (in.hasButton)
        KeepOnOneSide(result.text, button, MustLieBefore(in.textAlign, in.buttonAlign), in.spacing);
    return result;
}
