#include "docking/smart/CVrxPSmartDockingLayout.h"

#include "docking/VrxPBarStyles.h"

#include <algorithm>

namespace
{
BOOL Inside(const RECT& rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

RECT Box(int x, int y, SIZE size)
{
    return RECT{x, y, x + size.cx, y + size.cy};
}

} // namespace

SIZE CVrxPSmartDockingLayout::ImageSize(int nMarker)
{
    switch (nMarker)
    {
    case sideLeft:
    case sideRight:
    case centralLeft:
    case centralRight: return SIZE{31, 29};
    case sideTop:
    case sideBottom:
    case centralTop:
    case centralBottom: return SIZE{29, 31};
    case centre: return SIZE{25, 26};
    default: return SIZE{0, 0};
    }
}

DWORD CVrxPSmartDockingLayout::SideOf(int nMarker)
{
    switch (nMarker)
    {
    case sideLeft:
    case centralLeft: return CBRS_ALIGN_LEFT;
    case sideRight:
    case centralRight: return CBRS_ALIGN_RIGHT;
    case sideTop:
    case centralTop: return CBRS_ALIGN_TOP;
    case sideBottom:
    case centralBottom: return CBRS_ALIGN_BOTTOM;
    default: return 0;
    }
}

RECT CVrxPSmartDockingLayout::PlaceSideMarker(int nMarker, const RECT& rectArea)
{
    const SIZE size = ImageSize(nMarker);
    const int nMiddleX = (rectArea.left + rectArea.right) / 2;
    const int nMiddleY = (rectArea.top + rectArea.bottom) / 2;
    switch (nMarker)
    {
    case sideLeft: return Box(rectArea.left + sideMargin, nMiddleY - size.cy / 2, size);
    case sideRight: return Box(rectArea.right - size.cx - sideMargin, nMiddleY - size.cy / 2, size);
    case sideTop: return Box(nMiddleX - size.cx / 2, rectArea.top + sideMargin, size);
    case sideBottom: return Box(nMiddleX - size.cx / 2, rectArea.bottom - size.cy - sideMargin, size);
    default: return RECT{0, 0, 0, 0};
    }
}

RECT CVrxPSmartDockingLayout::CentralMarkerBox(int nMarker)
{
    const SIZE size = ImageSize(nMarker);
    const int nMiddleX = (groupWidth - size.cx) / 2;
    const int nMiddleY = (groupHeight - size.cy) / 2;
    switch (nMarker)
    {
    case centralLeft: return Box(0, nMiddleY, size);
    case centralRight: return Box(groupWidth - size.cx, nMiddleY, size);
    case centralTop: return Box(nMiddleX, 0, size);
    case centralBottom: return Box(nMiddleX, groupHeight - size.cy, size);
    case centre: return Box(nMiddleX, nMiddleY, size);
    default: return RECT{0, 0, 0, 0};
    }
}

void CVrxPSmartDockingLayout::Diamond(POINT corners[4])
{
    RECT united = CentralMarkerBox(centre);
    for (int nMarker = centralLeft; nMarker < centre; ++nMarker)
    {
        const RECT box = CentralMarkerBox(nMarker);
        united.left = std::min(united.left, box.left);
        united.top = std::min(united.top, box.top);
        united.right = std::max(united.right, box.right);
        united.bottom = std::max(united.bottom, box.bottom);
    }
    const RECT inner{united.left + groupOffset, united.top + groupOffset, united.right - groupOffset,
                     united.bottom - groupOffset};
    const int nMiddleX = (inner.left + inner.right) / 2;
    const int nMiddleY = (inner.top + inner.bottom) / 2;
    corners[0] = POINT{inner.left, nMiddleY};
    corners[1] = POINT{nMiddleX, inner.top};
    corners[2] = POINT{inner.right, nMiddleY};
    corners[3] = POINT{nMiddleX, inner.bottom};
}

RECT CVrxPSmartDockingLayout::PlaceCentralGroup(const RECT& rectTarget)
{
    const int x = (rectTarget.left + rectTarget.right - groupWidth) / 2;
    const int y = (rectTarget.top + rectTarget.bottom - groupHeight) / 2;
    return RECT{x, y, x + groupWidth, y + groupHeight};
}

int CVrxPSmartDockingLayout::HitTest(const State& state, POINT point)
{
    for (int nMarker = centre; nMarker >= sideLeft; --nMarker)
    {
        RECT box;
        if (nMarker >= centralLeft)
        {
            if (!state.groupShown || (nMarker == centre && !state.centreShown) ||
                (nMarker != centre && (state.groupSides & SideOf(nMarker)) == 0))
                continue;
            box = CentralMarkerBox(nMarker);
            box.left += state.groupRect.left;
            box.right += state.groupRect.left;
            box.top += state.groupRect.top;
            box.bottom += state.groupRect.top;
        }
        else
        {
            if ((state.allowedSides & SideOf(nMarker)) == 0)
                continue;
            box = PlaceSideMarker(nMarker, state.area);
        }
        if (Inside(box, point))
            return nMarker;
    }
    return none;
}

CVrxPSmartDockingLayout::Drop CVrxPSmartDockingLayout::DropFor(int nMarker, BOOL bHasTarget)
{
    if (nMarker >= sideLeft && nMarker <= sideBottom)
        return dropFrameEdge;
    if (nMarker >= centralLeft && nMarker <= centralBottom)
        return bHasTarget ? dropBesideTarget : dropFrameEdge;
    if (nMarker == centre && bHasTarget)
        return dropIntoTabs;
    return dropNone;
}
