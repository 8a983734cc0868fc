#include "docking/mdi/VrxPFitPlacement.h"

namespace
{
// Beyond the largest screens any system offers.
const int largestPlausibleExtent = 32767;
} // namespace

BOOL VrxPFitPlacement(const CRect& stored, const CRect& workArea, CRect& fitted)
{
    if (stored.Width() <= 0 || stored.Height() <= 0 || stored.Width() > largestPlausibleExtent ||
        stored.Height() > largestPlausibleExtent || workArea.IsRectEmpty())
        return FALSE;
    CRect overlap;
    if (!::IntersectRect(&overlap, &stored, &workArea))
        return FALSE;
    const int cx = stored.Width() < workArea.Width() ? stored.Width() : workArea.Width();
    const int cy = stored.Height() < workArea.Height() ? stored.Height() : workArea.Height();
    int x = overlap.left;
    int y = overlap.top;
    if (x + cx > workArea.right)
        x = workArea.right - cx;
    if (y + cy > workArea.bottom)
        y = workArea.bottom - cy;
    fitted.SetRect(x, y, x + cx, y + cy);
    return TRUE;
}
