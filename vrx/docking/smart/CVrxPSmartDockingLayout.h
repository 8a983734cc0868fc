#pragma once

// Where the smart-docking markers stand and which one a point hits, from
// the docking area, the pane under the cursor and the marker image sizes:
// free of windows so that tables of cases can check it.

#include "core/Platform.h"

class CVrxPSmartDockingLayout
{
public:
    // Marker codes: the side markers dock at the frame's outer edges, the
    // central group's beside the pane under the cursor (or at the inner
    // docking edge), its centre into that pane's tabs.
    enum Marker
    {
        none = -1,
        sideLeft = 0,
        sideRight = 1,
        sideTop = 2,
        sideBottom = 3,
        centralLeft = 4,
        centralRight = 5,
        centralTop = 6,
        centralBottom = 7,
        centre = 8,
        markerCount = 9
    };

    // Distance of a side marker from its edge of the docking area.
    static constexpr int sideMargin = 16;
    // The central group's box and how far its diamond lies inside the
    // markers' union, with the library's own marker images.
    static constexpr int groupWidth = 88;
    static constexpr int groupHeight = 88;
    static constexpr int groupOffset = 9;

    // The library's own image sizes: left and right 31 x 29, top and bottom
    // 29 x 31, centre 25 x 26.
    static SIZE ImageSize(int nMarker);
    // The side (CBRS_ALIGN_* bit) a marker docks at, 0 for the centre.
    static DWORD SideOf(int nMarker);

    // Side marker's rectangle in screen coordinates over the docking area.
    static RECT PlaceSideMarker(int nMarker, const RECT& rectArea);
    // A central marker's box inside the group's window.
    static RECT CentralMarkerBox(int nMarker);
    // The diamond's corners inside the group's window: left, top, right,
    // bottom middles of the markers' union deflated by the group offset.
    static void Diamond(POINT corners[4]);
    // The group's window centred on the rectangle of the pane under the
    // cursor (or the docking area).
    static RECT PlaceCentralGroup(const RECT& rectTarget);

    // What is shown during one drag: which side markers (by allowed sides),
    // the group with its enabled markers and whether its centre shows.
    struct State
    {
        RECT area;
        DWORD allowedSides;
        BOOL groupShown;
        RECT groupRect;
        DWORD groupSides;
        BOOL centreShown;
    };
    // The marker under the point, tested from the centre down to the side
    // markers; none when no shown, enabled marker holds it.
    static int HitTest(const State& state, POINT point);

    // What a drop on a marker does: dock at the frame's edge (a side marker,
    // or a central one with no pane under it), beside the pane, or into its
    // tabs.
    enum Drop
    {
        dropNone,
        dropFrameEdge,
        dropBesideTarget,
        dropIntoTabs
    };
    static Drop DropFor(int nMarker, BOOL bHasTarget);
};
