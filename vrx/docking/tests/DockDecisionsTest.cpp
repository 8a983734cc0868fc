// Where a dragged bar or floating frame would dock, and what lies under the
// cursor: exact rectangles in a frame whose client area is 400 x 300, with
// a 26-pixel top dock bar and a 100-pixel pane at the right edge.

#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/tests/DockingTestBars.h"

#include "docking/containers/CVrxPSlider.h"

#include <gtest/gtest.h>

namespace
{
// Holds Ctrl down in the thread's key state for its lifetime.
class CtrlHeld
{
public:
    CtrlHeld()
    {
        ::GetKeyboardState(saved);
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
    }
    ~CtrlHeld() { ::SetKeyboardState(saved); }
    CtrlHeld(const CtrlHeld&) = delete;
    CtrlHeld& operator=(const CtrlHeld&) = delete;

private:
    BYTE saved[256];
};

class DockDecisionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateWithClient(400, 300));
        ASSERT_TRUE(top.CreateIn(&frame, 101));
        Manager().DockControlBar(&top, CVrxPDockBar::idTop, nullptr);
        ASSERT_TRUE(props.Create("Props", &frame, CSize(100, 100), TRUE, 2, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_RIGHT,
                                 32, 15));
        ASSERT_TRUE(frame.PlaceBarDocked(&props));
        ASSERT_TRUE(dragged.Create("Dragged", &frame, CSize(120, 120), TRUE, 3,
                                   WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM, 32, 15));
        ASSERT_TRUE(frame.PlaceBarDocked(&dragged));
        dragged.EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(dragged.FloatPane(CRect(500, 500, 700, 600)));
        ASSERT_EQ(CRect(0, 26, 400, 300), Manager().GetInnerRect());
        ASSERT_EQ(CRect(0, 26, 300 - CVrxPSlider::defaultThickness, 300), Manager().GetOuterRect());
    }
    void TearDown() override { frame.DestroyWindow(); }

    CVrxPFrameBarManager& Manager() { return frame.GetBarManager(); }
    CPoint InClient(int x, int y)
    {
        CPoint point(x, y);
        frame.ClientToScreen(&point);
        return point;
    }
    CRect ExpectedAt(CPoint pointInClient)
    {
        CRect rect;
        BOOL bDrawAsTab = TRUE;
        CVrxPBaseControlBar* pTarget = &top;
        Manager().CalcExpectedDockedRect(dragged.GetMiniFrame(), InClient(pointInClient.x, pointInClient.y), rect,
                                         bDrawAsTab, pTarget);
        EXPECT_FALSE(bDrawAsTab);
        EXPECT_EQ(nullptr, pTarget);
        if (!rect.IsRectEmpty())
            frame.ScreenToClient(&rect);
        return rect;
    }

    DockingTestFrame frame;
    ToolbarLikeBar top;
    CVrxPDockingControlBar props;
    CVrxPDockingControlBar dragged;
};

// The floating frame is 200 x 100; a side takes at most half of the outer
// rectangle, which ends at the right pane's slider (148 across, 137 down).
TEST_F(DockDecisionsTest, TheExpectedRectangleTakesTheDraggedSizeAtTheSideNearTheCursor)
{
    struct Case
    {
        CPoint point;
        CRect expected;
    };
    const Case cases[] = {
        // Just outside the inner rectangle's left edge: its full height,
        // 200 wide cut to 148.
        {CPoint(-5, 150), CRect(0, 26, 148, 300)},
        // Across the outer rectangle's right edge (the slider's).
        {CPoint(290, 150), CRect(148, 26, 296, 300)},
        // Across the outer bottom edge: 100 high, under the limit.
        {CPoint(150, 295), CRect(0, 200, 296, 300)},
        // Below the top dock bar, across the outer top edge.
        {CPoint(150, 30), CRect(0, 26, 296, 126)},
        // The middle of the client area is near no side.
        {CPoint(150, 150), CRect()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ExpectedAt(c.point)) << c.point.x << ", " << c.point.y;
}

TEST_F(DockDecisionsTest, NothingIsExpectedAtASideTheBarRefusesOrWhileCtrlIsHeld)
{
    dragged.EnableDocking(CBRS_ALIGN_RIGHT | CBRS_ALIGN_BOTTOM);
    EXPECT_EQ(CRect(), ExpectedAt(CPoint(-5, 150)));
    EXPECT_EQ(CRect(148, 26, 296, 300), ExpectedAt(CPoint(290, 150)));
    CtrlHeld ctrl;
    EXPECT_EQ(CRect(), ExpectedAt(CPoint(290, 150)));
}

TEST_F(DockDecisionsTest, ClassifiesThePaneCaptionItsBodyAndTheFrameEdges)
{
    struct Case
    {
        CPoint point;
        DWORD sides;
        int kind;
        BOOL onPane;
    };
    const Case cases[] = {
        {CPoint(350, 30), CBRS_ALIGN_ANY, 3, TRUE},
        // The pane's body grown by the sensitivity holds the point.
        {CPoint(350, 200), CBRS_ALIGN_ANY, 0, TRUE},
        // A pane at a side not asked for.
        {CPoint(350, 30), CBRS_ALIGN_LEFT, 0, TRUE},
        {CPoint(-5, 150), CBRS_ALIGN_ANY, 2, FALSE},
        {CPoint(-5, 150), CBRS_ALIGN_RIGHT, 0, FALSE},
        {CPoint(150, 150), CBRS_ALIGN_ANY, 0, FALSE},
    };
    for (const Case& c : cases)
    {
        CVrxPBaseControlBar* pBar = nullptr;
        EXPECT_EQ(c.kind, Manager().ClassifyDockTarget(InClient(c.point.x, c.point.y), 15, c.sides, pBar,
                                                       dragged.GetMiniFrame()))
            << c.point.x << ", " << c.point.y;
        EXPECT_EQ(c.onPane ? &props : nullptr, pBar) << c.point.x << ", " << c.point.y;
    }
}

TEST_F(DockDecisionsTest, APaneAsksWhetherThePointLiesInItsBody)
{
    CRect rect;
    props.GetWindowRect(&rect);
    EXPECT_EQ(2, props.ClassifyDockPoint(rect.CenterPoint(), -1));
    EXPECT_EQ(0, props.ClassifyDockPoint(rect.BottomRight() + CSize(5, 5), -1));
    EXPECT_EQ(0, props.ClassifyDockPoint(rect.CenterPoint(), 15));
    EXPECT_EQ(2, props.ClassifyDockPoint(rect.BottomRight() + CSize(20, 20), 15));
    EXPECT_EQ(3, props.ClassifyDockPoint(rect.TopLeft() + CSize(50, 4), 15));
}

// A floating pane counts only when it and the dragged bar may share a
// floating frame.
TEST_F(DockDecisionsTest, AFloatingPaneIsATargetOnlyForBarsThatShareFrames)
{
    CVrxPDockingControlBar other;
    ASSERT_TRUE(other.Create("Other", &frame, CSize(120, 120), TRUE, 4, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, 32,
                             15));
    ASSERT_TRUE(frame.PlaceBarDocked(&other));
    ASSERT_TRUE(other.FloatPane(CRect(150, 150, 350, 300)));
    const CPoint onOther(250, 250);

    CVrxPBaseControlBar* pBar = nullptr;
    Manager().ClassifyDockTarget(onOther, 15, CBRS_ALIGN_ANY, pBar, dragged.GetMiniFrame());
    EXPECT_EQ(nullptr, pBar);

    other.SetBarStyle(other.GetBarStyle() | CVrxPBaseControlBar::styleFloatMulti);
    dragged.SetBarStyle(dragged.GetBarStyle() | CVrxPBaseControlBar::styleFloatMulti);
    Manager().ClassifyDockTarget(onOther, 15, CBRS_ALIGN_ANY, pBar, dragged.GetMiniFrame());
    EXPECT_EQ(&other, pBar);
    other.DestroyWindow();
}
} // namespace
