#include "docking/CVrxPDockingUtils.h"

#include "docking/VrxPBarStyles.h"

#include <gtest/gtest.h>

namespace
{
CRect WorkAreaAt(CPoint point)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    EXPECT_TRUE(::GetMonitorInfo(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info));
    return CRect(info.rcWork);
}

// A floating rectangle that left the work area comes back far enough to be
// grabbed: each margin of it stays inside.
TEST(KeepRectOnScreenTest, BringsALostRectangleBackByItsMargins)
{
    const CRect work = WorkAreaAt(CPoint(0, 0));
    const CRect margins(20, 20, 20, 20);
    struct Case
    {
        CRect rect;
        CRect expected;
    };
    const Case cases[] = {
        {CRect(work.left - 500, 100, work.left - 300, 200), CRect(work.left - 180, 100, work.left + 20, 200)},
        {CRect(work.right + 10, 100, work.right + 210, 200), CRect(work.right - 20, 100, work.right + 180, 200)},
        {CRect(100, work.bottom + 50, 300, work.bottom + 150), CRect(100, work.bottom - 20, 300, work.bottom + 80)},
        {CRect(100, work.top - 300, 300, work.top - 200), CRect(100, work.top - 80, 300, work.top + 20)},
        {CRect(100, 100, 300, 200), CRect(100, 100, 300, 200)},
    };
    for (const Case& c : cases)
    {
        CRect rect = c.rect;
        CVrxPDockingUtils::KeepRectOnScreen(rect, &margins);
        EXPECT_EQ(c.expected, rect);
    }
    CRect noMargins(work.left - 500, 100, work.left - 300, 200);
    CVrxPDockingUtils::KeepRectOnScreen(noMargins, nullptr);
    EXPECT_EQ(work.left, noMargins.right);
}

// Bands of 15 pixels just outside the rectangle's edges, or across them;
// a caption and a tab area widen the top and bottom bands inside.
TEST(HitTestDockSideTest, FindsTheSideWhoseBandHoldsThePoint)
{
    const CRect rect(100, 100, 300, 200);
    struct Case
    {
        CPoint point;
        BOOL outside;
        DWORD allowed;
        DWORD side;
    };
    const Case cases[] = {
        {CPoint(150, 90), TRUE, CBRS_ALIGN_ANY, CBRS_ALIGN_TOP},
        {CPoint(150, 100), TRUE, CBRS_ALIGN_ANY, 0},
        {CPoint(90, 150), TRUE, CBRS_ALIGN_ANY, CBRS_ALIGN_LEFT},
        {CPoint(150, 214), TRUE, CBRS_ALIGN_ANY, CBRS_ALIGN_BOTTOM},
        {CPoint(150, 215), TRUE, CBRS_ALIGN_ANY, 0},
        {CPoint(305, 150), TRUE, CBRS_ALIGN_ANY, CBRS_ALIGN_RIGHT},
        {CPoint(305, 150), TRUE, CBRS_ALIGN_LEFT, 0},
        {CPoint(90, 90), TRUE, CBRS_ALIGN_ANY, CBRS_ALIGN_TOP},
        {CPoint(90, 90), TRUE, CBRS_ALIGN_LEFT, CBRS_ALIGN_LEFT},
        {CPoint(150, 130), FALSE, CBRS_ALIGN_ANY, CBRS_ALIGN_TOP},
        {CPoint(150, 150), FALSE, CBRS_ALIGN_ANY, 0},
        {CPoint(110, 150), FALSE, CBRS_ALIGN_ANY, CBRS_ALIGN_LEFT},
        {CPoint(150, 170), FALSE, CBRS_ALIGN_ANY, CBRS_ALIGN_BOTTOM},
    };
    for (const Case& c : cases)
    {
        DWORD side = 0;
        const BOOL hit = CVrxPDockingUtils::HitTestDockSide(c.point, rect, 15, c.outside, side, c.allowed, 20, 20);
        EXPECT_EQ(c.side != 0, hit != FALSE) << c.point.x << "," << c.point.y;
        EXPECT_EQ(c.side, hit ? side : 0u) << c.point.x << "," << c.point.y;
    }
}

TEST(RotateRectTest, TurnsTheEdges)
{
    struct Case
    {
        int angle;
        CRect expected;
    };
    for (const Case& c : {Case{90, CRect(4, 1, 2, 3)}, Case{180, CRect(1, 4, 3, 2)}, Case{-90, CRect(2, 3, 4, 1)},
                          Case{45, CRect(1, 2, 3, 4)}})
    {
        CRect rect(1, 2, 3, 4);
        CVrxPDockingUtils::RotateRect(rect, c.angle);
        EXPECT_EQ(c.expected, rect) << c.angle;
    }
}
} // namespace
