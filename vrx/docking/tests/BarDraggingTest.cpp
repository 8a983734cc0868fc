// Bars dragged with the mouse as a user drags them: the input goes through
// SendInput, one step per timer tick, while the bar runs its drag.

#include "docking/CVrxPControlBar.h"
#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockBarRow.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/tests/DockingTestBars.h"
#include "docking/tests/RealInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using realinput::InputStep;
using realinput::Play;

class BarDraggingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateWithClient(400, 300));
        frame.SetForegroundWindow();
        ASSERT_TRUE(bar.CreateIn(&frame, 101));
        frame.GetBarManager().DockControlBar(&bar, CVrxPDockBar::idTop, nullptr);
        ASSERT_EQ(Site(CBRS_ALIGN_TOP), bar.GetDockSite());
    }
    void TearDown() override { frame.DestroyWindow(); }

    CVrxPDockBar* Site(DWORD dwSide) { return frame.GetBarManager().FindDockBar(dwSide, TRUE); }
    // A point of the frame's client area on the screen.
    CPoint InClient(int x, int y)
    {
        CPoint point(x, y);
        frame.ClientToScreen(&point);
        return point;
    }
    CPoint OnBar(int x, int y)
    {
        CPoint point(x, y);
        bar.ClientToScreen(&point);
        return point;
    }
    CRect MdiClient()
    {
        CRect rect;
        ::GetWindowRect(frame.m_hWndMDIClient, &rect);
        frame.ScreenToClient(&rect);
        return rect;
    }

    DockingTestFrame frame;
    ToolbarLikeBar bar;
};

// The cursor rests over the dock bar for the given number of 40-ms ticks
// before the button goes up.
std::vector<InputStep> DragToLeftEdge(CPoint grab, CPoint to, int nRestTicks)
{
    std::vector<InputStep> steps = {
        {InputStep::press, grab}, {InputStep::move, grab + CSize(0, 80)}, {InputStep::move, to}};
    steps.insert(steps.end(), nRestTicks, InputStep{InputStep::rest, to});
    steps.push_back({InputStep::release, to});
    return steps;
}

TEST_F(BarDraggingTest, ABarDraggedFromTheTopRowToTheLeftEdgeDocksThere)
{
    Play(DragToLeftEdge(OnBar(10, 10), InClient(1, 150), 8));

    CVrxPDockBar* pLeft = Site(CBRS_ALIGN_LEFT);
    ASSERT_EQ(pLeft, bar.GetDockSite());
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_LEFT), bar.GetAlignment());
    EXPECT_EQ(nullptr, bar.FindMiniFrameParent());
    EXPECT_FALSE(bar.IsFloatingInMiniFrame());
    EXPECT_EQ(26, pLeft->GetThickness());
    EXPECT_EQ(0, Site(CBRS_ALIGN_TOP)->GetThickness());
    CRect rect;
    bar.GetWindowRect(&rect);
    pLeft->ScreenToClient(&rect);
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(CSize(26, 100), rect.Size());
    EXPECT_EQ(CRect(26, 0, 400, 300), MdiClient());
}

// A floating frame docks only after the cursor has rested over the dock bar
// for 200 clock ticks; with Ctrl held it never docks.
TEST_F(BarDraggingTest, ABarReleasedBeforeTheDockDelayKeepsFloating)
{
    Play(DragToLeftEdge(OnBar(10, 10), InClient(1, 150), 1));
    EXPECT_TRUE(bar.IsFloatingInMiniFrame());
    EXPECT_EQ(nullptr, bar.GetDockSite());
    EXPECT_EQ(0, Site(CBRS_ALIGN_LEFT)->GetThickness());
}

TEST_F(BarDraggingTest, ABarHeldWithCtrlNeverDocks)
{
    std::vector<InputStep> steps = DragToLeftEdge(OnBar(10, 10), InClient(1, 150), 8);
    steps.insert(steps.begin() + 2, InputStep{InputStep::ctrlDown, CPoint()});
    steps.push_back({InputStep::ctrlUp, CPoint()});
    Play(steps);
    EXPECT_TRUE(bar.IsFloatingInMiniFrame());
    EXPECT_EQ(0, Site(CBRS_ALIGN_LEFT)->GetThickness());
}

struct TearOffCase
{
    CSize drag;
    BOOL floats;
};

class TearOffTest : public BarDraggingTest, public ::testing::WithParamInterface<TearOffCase>
{
};

// Along the row a bar floats once its place sticks out of the dock bar by
// more than twice the 15-pixel threshold; across, once it has left it.
TEST_P(TearOffTest, FloatsOnlyPastTwiceTheThreshold)
{
    const CPoint grab = OnBar(10, 10);
    const CPoint to = grab + GetParam().drag;
    Play({{InputStep::press, grab}, {InputStep::move, to}, {InputStep::release, to}});

    EXPECT_EQ(GetParam().floats, bar.IsFloatingInMiniFrame());
    if (!GetParam().floats)
    {
        EXPECT_EQ(Site(CBRS_ALIGN_TOP), bar.GetDockSite());
        return;
    }
    CVrxPMiniFrameWnd* pMiniFrame = bar.FindMiniFrameParent();
    ASSERT_NE(nullptr, pMiniFrame);
    EXPECT_TRUE(pMiniFrame->IsWindowVisible());
    EXPECT_EQ(nullptr, bar.GetDockSite());
    EXPECT_EQ(0, Site(CBRS_ALIGN_TOP)->GetThickness());
    EXPECT_EQ(CRect(0, 0, 400, 300), MdiClient());
    EXPECT_EQ(to, OnBar(10, 10)) << "the grab point stays under the cursor";
}

INSTANTIATE_TEST_SUITE_P(Drags, TearOffTest,
                         ::testing::Values(TearOffCase{CSize(-30, 0), FALSE}, TearOffCase{CSize(-31, 0), TRUE},
                                           TearOffCase{CSize(0, 60), TRUE}));

TEST_F(BarDraggingTest, EscapePutsATornOffBarBack)
{
    const CPoint grab = OnBar(10, 10);
    Play({{InputStep::press, grab},
          {InputStep::move, grab + CSize(0, 60)},
          {InputStep::escape, grab + CSize(0, 60)},
          {InputStep::release, grab + CSize(0, 60)}});

    CVrxPDockBar* pTop = Site(CBRS_ALIGN_TOP);
    ASSERT_EQ(pTop, bar.GetDockSite());
    EXPECT_EQ(nullptr, bar.FindMiniFrameParent());
    CRect rect;
    bar.GetWindowRect(&rect);
    pTop->ScreenToClient(&rect);
    EXPECT_EQ(CRect(0, 0, 100, 26), rect);
    EXPECT_EQ(26, pTop->GetThickness());
    EXPECT_EQ(CRect(0, 26, 400, 300), MdiClient());
}
} // namespace
