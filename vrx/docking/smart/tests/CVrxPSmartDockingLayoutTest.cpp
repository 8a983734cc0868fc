// Where the smart-docking markers stand, which one a point hits and what a
// drop on it does.

#include "docking/smart/CVrxPSmartDockingLayout.h"

#include "docking/VrxPBarStyles.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
using Layout = CVrxPSmartDockingLayout;

// Rectangles compare as their text, which a failure then shows.
std::string Show(const RECT& rect)
{
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " + std::to_string(rect.right) +
           ", " + std::to_string(rect.bottom) + ")";
}

POINT Middle(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

const RECT kArea{100, 50, 700, 450};

// 16 pixels in from their edge, centred along it.
TEST(CVrxPSmartDockingLayoutTest, SideMarkersStandInsideTheirEdges)
{
    const struct
    {
        int marker;
        RECT expected;
    } cases[] = {
        {Layout::sideLeft, {116, 236, 147, 265}},
        {Layout::sideRight, {653, 236, 684, 265}},
        {Layout::sideTop, {386, 66, 415, 97}},
        {Layout::sideBottom, {386, 403, 415, 434}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Show(c.expected), Show(Layout::PlaceSideMarker(c.marker, kArea))) << "marker " << c.marker;
    EXPECT_EQ("(0, 0, 0, 0)", Show(Layout::PlaceSideMarker(Layout::centre, kArea)));
}

TEST(CVrxPSmartDockingLayoutTest, CentralMarkersAndTheDiamondInTheGroup)
{
    const struct
    {
        int marker;
        RECT expected;
    } cases[] = {
        {Layout::centralLeft, {0, 29, 31, 58}},   {Layout::centralRight, {57, 29, 88, 58}},
        {Layout::centralTop, {29, 0, 58, 31}},    {Layout::centralBottom, {29, 57, 58, 88}},
        {Layout::centre, {31, 31, 56, 57}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Show(c.expected), Show(Layout::CentralMarkerBox(c.marker))) << "marker " << c.marker;

    POINT corners[4] = {};
    Layout::Diamond(corners);
    const POINT expected[4] = {{9, 44}, {44, 9}, {79, 44}, {44, 79}};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(expected[i].x, corners[i].x) << "corner " << i;
        EXPECT_EQ(expected[i].y, corners[i].y) << "corner " << i;
    }
}

TEST(CVrxPSmartDockingLayoutTest, TheGroupIsCentredOnItsTarget)
{
    EXPECT_EQ("(56, 6, 144, 94)", Show(Layout::PlaceCentralGroup(RECT{0, 0, 200, 100})));
    EXPECT_EQ("(56, 6, 144, 94)", Show(Layout::PlaceCentralGroup(RECT{0, 0, 201, 101})));
    EXPECT_EQ("(-44, -44, 44, 44)", Show(Layout::PlaceCentralGroup(RECT{-10, -10, 10, 10})));
}

Layout::State FullState()
{
    Layout::State state{};
    state.area = kArea;
    state.allowedSides = CBRS_ALIGN_ANY;
    state.groupShown = TRUE;
    state.groupRect = Layout::PlaceCentralGroup(kArea);
    state.groupSides = CBRS_ALIGN_ANY;
    state.centreShown = TRUE;
    return state;
}

POINT InGroup(const Layout::State& state, int nMarker)
{
    const POINT middle = Middle(Layout::CentralMarkerBox(nMarker));
    return POINT{state.groupRect.left + middle.x, state.groupRect.top + middle.y};
}

TEST(CVrxPSmartDockingLayoutTest, EachShownMarkerIsHitAtItsMiddle)
{
    const Layout::State state = FullState();
    for (int nMarker = Layout::sideLeft; nMarker <= Layout::sideBottom; ++nMarker)
        EXPECT_EQ(nMarker, Layout::HitTest(state, Middle(Layout::PlaceSideMarker(nMarker, kArea))));
    for (int nMarker = Layout::centralLeft; nMarker <= Layout::centre; ++nMarker)
        EXPECT_EQ(nMarker, Layout::HitTest(state, InGroup(state, nMarker)));
    EXPECT_EQ(Layout::none, Layout::HitTest(state, POINT{kArea.left + 2, kArea.top + 2}));
    // Edges: a box holds its left and top pixels, not its right and bottom.
    const RECT left = Layout::PlaceSideMarker(Layout::sideLeft, kArea);
    EXPECT_EQ(Layout::sideLeft, Layout::HitTest(state, POINT{left.left, left.top}));
    EXPECT_EQ(Layout::none, Layout::HitTest(state, POINT{left.right, left.top}));
    EXPECT_EQ(Layout::none, Layout::HitTest(state, POINT{left.left, left.bottom}));
}

TEST(CVrxPSmartDockingLayoutTest, HiddenOrDisabledMarkersAreNotHit)
{
    const struct
    {
        const char* what;
        void (*change)(Layout::State&);
        int marker;
    } cases[] = {
        {"left side not allowed", [](Layout::State& s) { s.allowedSides &= ~CBRS_ALIGN_LEFT; }, Layout::sideLeft},
        {"bottom side not allowed", [](Layout::State& s) { s.allowedSides = CBRS_ALIGN_TOP; }, Layout::sideBottom},
        {"centre hidden", [](Layout::State& s) { s.centreShown = FALSE; }, Layout::centre},
        {"group hidden", [](Layout::State& s) { s.groupShown = FALSE; }, Layout::centralTop},
        {"group's right disabled", [](Layout::State& s) { s.groupSides = CBRS_ALIGN_LEFT; }, Layout::centralRight},
    };
    for (const auto& c : cases)
    {
        Layout::State state = FullState();
        const POINT point = c.marker <= Layout::sideBottom ? Middle(Layout::PlaceSideMarker(c.marker, kArea))
                                                           : InGroup(state, c.marker);
        c.change(state);
        EXPECT_EQ(Layout::none, Layout::HitTest(state, point)) << c.what;
    }
}

// In a small area the group covers a side marker: the group's marker wins.
TEST(CVrxPSmartDockingLayoutTest, TheGroupIsTestedBeforeTheSideMarkers)
{
    Layout::State state = FullState();
    state.area = RECT{0, 0, 120, 120};
    state.groupRect = RECT{10, 16, 98, 104};
    const POINT point = Middle(Layout::PlaceSideMarker(Layout::sideLeft, state.area));
    EXPECT_EQ(Layout::centralLeft, Layout::HitTest(state, point));
    state.groupShown = FALSE;
    EXPECT_EQ(Layout::sideLeft, Layout::HitTest(state, point));
}

TEST(CVrxPSmartDockingLayoutTest, WhatADropOnAMarkerDoes)
{
    const struct
    {
        int marker;
        BOOL hasTarget;
        Layout::Drop drop;
        DWORD side;
    } cases[] = {
        {Layout::sideLeft, TRUE, Layout::dropFrameEdge, CBRS_ALIGN_LEFT},
        {Layout::sideRight, FALSE, Layout::dropFrameEdge, CBRS_ALIGN_RIGHT},
        {Layout::sideTop, FALSE, Layout::dropFrameEdge, CBRS_ALIGN_TOP},
        {Layout::sideBottom, FALSE, Layout::dropFrameEdge, CBRS_ALIGN_BOTTOM},
        {Layout::centralLeft, TRUE, Layout::dropBesideTarget, CBRS_ALIGN_LEFT},
        {Layout::centralRight, TRUE, Layout::dropBesideTarget, CBRS_ALIGN_RIGHT},
        {Layout::centralTop, FALSE, Layout::dropFrameEdge, CBRS_ALIGN_TOP},
        {Layout::centralBottom, TRUE, Layout::dropBesideTarget, CBRS_ALIGN_BOTTOM},
        {Layout::centre, TRUE, Layout::dropIntoTabs, 0},
        {Layout::centre, FALSE, Layout::dropNone, 0},
        {Layout::none, TRUE, Layout::dropNone, 0},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.drop, Layout::DropFor(c.marker, c.hasTarget)) << "marker " << c.marker;
        EXPECT_EQ(c.side, Layout::SideOf(c.marker)) << "marker " << c.marker;
    }
}
} // namespace
