#include "docking/CVrxPDockBar.h"

#include "docking/CVrxPDockBarRow.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/tests/DockingTestBars.h"

#include <gtest/gtest.h>

namespace
{
class DockBarTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(frame.CreateWithClient(400, 300)); }
    void TearDown() override { frame.DestroyWindow(); }

    CVrxPFrameBarManager& Manager() { return frame.GetBarManager(); }
    CVrxPDockBar* Site(DWORD dwSide) { return Manager().FindDockBar(dwSide, TRUE); }
    // The bar's window in its dock bar's client coordinates.
    static CRect InSite(CWnd& bar, CVrxPDockBar* pSite)
    {
        CRect rect;
        bar.GetWindowRect(&rect);
        pSite->ScreenToClient(&rect);
        return rect;
    }
    CRect InFrame(CWnd& window)
    {
        CRect rect;
        window.GetWindowRect(&rect);
        frame.ScreenToClient(&rect);
        return rect;
    }
    CRect MdiClient()
    {
        CRect rect;
        ::GetWindowRect(frame.m_hWndMDIClient, &rect);
        frame.ScreenToClient(&rect);
        return rect;
    }
    // Docks the bar into the top dock bar's first row at [left, left + length).
    void DockInFirstRow(ToolbarLikeBar& bar, int nLeft)
    {
        CVrxPDockBar* pTop = Site(CBRS_ALIGN_TOP);
        bar.GetDockHistory().recentDockedRect.SetRect(nLeft, 0, nLeft + bar.length, bar.thickness);
        CRect rectRow(nLeft, 0, nLeft + 1, 1);
        pTop->ClientToScreen(&rectRow);
        Manager().DockControlBar(&bar, CVrxPDockBar::idTop, &rectRow);
    }

    DockingTestFrame frame;
};

TEST_F(DockBarTest, TheFrameHasOneEmptyDockBarPerSide)
{
    struct Side
    {
        DWORD side;
        UINT id;
    };
    for (const Side& s : {Side{CBRS_ALIGN_TOP, 0xE81Bu}, Side{CBRS_ALIGN_LEFT, 0xE81Cu},
                          Side{CBRS_ALIGN_RIGHT, 0xE81Du}, Side{CBRS_ALIGN_BOTTOM, 0xE81Eu}})
    {
        CVrxPDockBar* pSite = Site(s.side);
        ASSERT_NE(nullptr, pSite);
        EXPECT_EQ(s.id, pSite->GetDockBarId());
        EXPECT_EQ(static_cast<int>(s.id), pSite->GetDlgCtrlID());
        EXPECT_EQ(0, pSite->GetThickness());
    }
    EXPECT_EQ(CRect(0, 0, 400, 300), Manager().GetOuterRect());
    EXPECT_EQ(CRect(0, 0, 400, 300), MdiClient());
}

// Two bars share the first top row, a thicker third one takes a second row:
// the rows stack from the frame edge and the dock bar is as thick as both.
TEST_F(DockBarTest, ThreeBarsLieInTwoTopRows)
{
    ToolbarLikeBar a;
    ToolbarLikeBar b;
    ToolbarLikeBar c(120, 30);
    ASSERT_TRUE(a.CreateIn(&frame, 101));
    ASSERT_TRUE(b.CreateIn(&frame, 102));
    ASSERT_TRUE(c.CreateIn(&frame, 103));
    Manager().DockControlBar(&a, CVrxPDockBar::idTop, nullptr);
    DockInFirstRow(b, 150);
    Manager().DockControlBar(&c, CVrxPDockBar::idTop, nullptr);

    CVrxPDockBar* pTop = Site(CBRS_ALIGN_TOP);
    ASSERT_EQ(2, pTop->GetRows().GetCount());
    const CVrxPDockBarRow* pFirst = pTop->GetRows().GetHead();
    const CVrxPDockBarRow* pSecond = pTop->GetRows().GetTail();
    EXPECT_EQ(0, pFirst->GetOffset());
    EXPECT_EQ(26, pFirst->GetExtent());
    EXPECT_EQ(26, pSecond->GetOffset());
    EXPECT_EQ(30, pSecond->GetExtent());
    EXPECT_EQ(pFirst, a.GetDockBarRow());
    EXPECT_EQ(pFirst, b.GetDockBarRow());
    EXPECT_EQ(pSecond, c.GetDockBarRow());

    EXPECT_EQ(CRect(0, 0, 100, 26), InSite(a, pTop));
    EXPECT_EQ(CRect(150, 0, 250, 26), InSite(b, pTop));
    EXPECT_EQ(CRect(0, 26, 120, 56), InSite(c, pTop));
    EXPECT_EQ(CRect(0, 0, 400, 56), InFrame(*pTop));
    EXPECT_EQ(CRect(0, 56, 400, 300), Manager().GetOuterRect());
    EXPECT_EQ(Manager().GetOuterRect(), MdiClient());
    EXPECT_EQ(&b, Manager().FindBarByID(102));
    EXPECT_EQ(pTop, Manager().FindDockBarOfBar(&c));
}

TEST_F(DockBarTest, AHiddenBarsRowIsNoThickerThanNothing)
{
    ToolbarLikeBar a;
    ToolbarLikeBar c(120, 30);
    ASSERT_TRUE(a.CreateIn(&frame, 101));
    ASSERT_TRUE(c.CreateIn(&frame, 103));
    Manager().DockControlBar(&a, CVrxPDockBar::idTop, nullptr);
    Manager().DockControlBar(&c, CVrxPDockBar::idTop, nullptr);
    CVrxPDockBar* pTop = Site(CBRS_ALIGN_TOP);

    c.SetBarShown(FALSE, FALSE, FALSE);
    EXPECT_FALSE(c.GetDockBarRow()->IsVisible());
    EXPECT_EQ(26, pTop->GetThickness());
    EXPECT_EQ(CRect(0, 0, 400, 26), InFrame(*pTop));
    EXPECT_EQ(CRect(0, 26, 400, 300), MdiClient());

    a.SetBarShown(FALSE, FALSE, FALSE);
    EXPECT_EQ(0, pTop->GetThickness());
    EXPECT_EQ(CRect(0, 0, 400, 300), MdiClient());

    c.SetBarShown(TRUE, FALSE, FALSE);
    EXPECT_EQ(30, pTop->GetThickness());
    EXPECT_EQ(CRect(0, 0, 120, 30), InSite(c, pTop)) << "the only visible row lies at the frame edge";
    EXPECT_EQ(CRect(0, 30, 400, 300), MdiClient());
}

// The frame narrows until three 100-pixel bars (40 at least) no longer fit,
// then widens again.
TEST_F(DockBarTest, ShrinkingTakesFromTheLastBarAndGrowingGivesToTheFirst)
{
    ToolbarLikeBar bars[3];
    for (int i = 0; i < 3; i++)
    {
        ASSERT_TRUE(bars[i].CreateIn(&frame, 101 + i));
        DockInFirstRow(bars[i], 100 * i);
    }
    CVrxPDockBar* pTop = Site(CBRS_ALIGN_TOP);
    ASSERT_EQ(1, pTop->GetRows().GetCount());

    struct Step
    {
        int width;
        CRect a, b, c;
    };
    const Step steps[] = {
        {400, CRect(0, 0, 100, 26), CRect(100, 0, 200, 26), CRect(200, 0, 300, 26)},
        {250, CRect(0, 0, 100, 26), CRect(100, 0, 200, 26), CRect(200, 0, 250, 26)},
        {150, CRect(0, 0, 70, 26), CRect(70, 0, 110, 26), CRect(110, 0, 150, 26)},
        {200, CRect(0, 0, 100, 26), CRect(100, 0, 160, 26), CRect(160, 0, 200, 26)},
        {400, CRect(0, 0, 100, 26), CRect(100, 0, 200, 26), CRect(200, 0, 300, 26)},
    };
    for (const Step& step : steps)
    {
        frame.SetClientSize(step.width, 300);
        EXPECT_EQ(step.a, InSite(bars[0], pTop)) << step.width;
        EXPECT_EQ(step.b, InSite(bars[1], pTop)) << step.width;
        EXPECT_EQ(step.c, InSite(bars[2], pTop)) << step.width;
    }
}

// Bars on the top and the left edge: the top dock bar spans the frame, the
// left one what is left below it, and the client area the rest.
TEST_F(DockBarTest, TheClientAreaIsTheInsideLessTheDockBars)
{
    ToolbarLikeBar top;
    ToolbarLikeBar left(150, 24);
    ToolbarLikeBar bottom(80, 22);
    ASSERT_TRUE(top.CreateIn(&frame, 101));
    ASSERT_TRUE(left.CreateIn(&frame, 102));
    ASSERT_TRUE(bottom.CreateIn(&frame, 103));
    Manager().DockControlBar(&top, CVrxPDockBar::idTop, nullptr);
    Manager().DockControlBar(&left, CVrxPDockBar::idLeft, nullptr);
    Manager().DockControlBar(&bottom, CVrxPDockBar::idBottom, nullptr);

    EXPECT_EQ(CRect(0, 0, 400, 26), InFrame(*Site(CBRS_ALIGN_TOP)));
    EXPECT_EQ(CRect(0, 278, 400, 300), InFrame(*Site(CBRS_ALIGN_BOTTOM)));
    EXPECT_EQ(CRect(0, 26, 24, 278), InFrame(*Site(CBRS_ALIGN_LEFT)));
    EXPECT_EQ(CRect(0, 0, 24, 150), InSite(left, Site(CBRS_ALIGN_LEFT)));
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_LEFT), left.GetAlignment());
    EXPECT_EQ(CRect(24, 26, 400, 278), Manager().GetOuterRect());
    EXPECT_EQ(CRect(24, 26, 400, 278), MdiClient());
    EXPECT_EQ(Manager().GetOuterRect(), Manager().GetInnerRect());
}

TEST_F(DockBarTest, ADockedPaneTakesAtMostHalfOfTheOuterRectangle)
{
    ToolbarLikeBar top;
    ASSERT_TRUE(top.CreateIn(&frame, 101));
    Manager().DockControlBar(&top, CVrxPDockBar::idTop, nullptr);
    ASSERT_EQ(CRect(0, 26, 400, 300), Manager().GetOuterRect());

    struct Case
    {
        DWORD side;
        CRect rect;
        BOOL limited;
        CRect expected;
    };
    const Case cases[] = {
        {CBRS_ALIGN_TOP, CRect(0, 26, 400, 226), TRUE, CRect(0, 26, 400, 163)},
        {CBRS_ALIGN_BOTTOM, CRect(0, 100, 400, 300), TRUE, CRect(0, 163, 400, 300)},
        {CBRS_ALIGN_TOP, CRect(0, 26, 400, 126), FALSE, CRect(0, 26, 400, 126)},
        {CBRS_ALIGN_LEFT, CRect(0, 26, 300, 300), TRUE, CRect(0, 26, 200, 300)},
        {CBRS_ALIGN_RIGHT, CRect(100, 26, 400, 300), TRUE, CRect(200, 26, 400, 300)},
        {CBRS_ALIGN_RIGHT, CRect(300, 26, 400, 300), FALSE, CRect(300, 26, 400, 300)},
    };
    for (const Case& c : cases)
    {
        CRect rect = c.rect;
        EXPECT_EQ(c.limited, Manager().LimitDockedSize(rect, c.side)) << c.side;
        EXPECT_EQ(c.expected, rect) << c.side;
    }
}

TEST_F(DockBarTest, ABarOfADockBarCannotBeDockedTwice)
{
    ToolbarLikeBar a;
    ASSERT_TRUE(a.CreateIn(&frame, 101));
    Manager().DockControlBar(&a, CVrxPDockBar::idTop, nullptr);
    CVrxPDockBar* pTop = Site(CBRS_ALIGN_TOP);
    EXPECT_TRUE(pTop->DockBar(&a, CVrxPControlBar::dockAtRect, nullptr));
    EXPECT_EQ(1, pTop->GetRows().GetCount());
    EXPECT_EQ(1, pTop->GetDockedBars().GetCount());
    Manager().DockControlBar(&a, 0x1234, nullptr);
    EXPECT_EQ(pTop, a.GetDockSite()) << "an unknown dock-bar id docks nothing";
}

// Lays itself out shorter when its row arranges it, as an auto-hide toolbar
// does.
class SelfSizingBar : public ToolbarLikeBar
{
public:
    CSize CalcSizeForLength(int, BOOL) override
    {
        PositionBar(nullptr, 0, 0, 60, thickness, SWP_NOMOVE | SWP_NOZORDER, NULL);
        return CSize(60, thickness);
    }
};

// Groups of bars 14 apart; inside a group each overlaps the one before by 1.
TEST_F(DockBarTest, ArrangedBarsLieEndToEndByGroup)
{
    ToolbarLikeBar a;
    SelfSizingBar b;
    ToolbarLikeBar c;
    ASSERT_TRUE(a.CreateIn(&frame, 101));
    ASSERT_TRUE(b.CreateIn(&frame, 102));
    ASSERT_TRUE(c.CreateIn(&frame, 103));
    DockInFirstRow(a, 0);
    DockInFirstRow(b, 120);
    DockInFirstRow(c, 240);
    a.lastInGroup = 0;
    b.firstInGroup = 0;
    CVrxPDockBar* pTop = Site(CBRS_ALIGN_TOP);
    ASSERT_EQ(1, pTop->GetRows().GetCount());

    pTop->GetRows().GetHead()->ArrangeBars(4, CVrxPDockBarRow::barSpacing);

    EXPECT_EQ(CRect(4, 0, 104, 26), InSite(a, pTop));
    EXPECT_EQ(CRect(103, 0, 163, 26), InSite(b, pTop));
    EXPECT_EQ(CRect(177, 0, 277, 26), InSite(c, pTop));
}

TEST_F(DockBarTest, RemovingTheLastBarDeletesItsRow)
{
    ToolbarLikeBar a;
    ToolbarLikeBar c(120, 30);
    ASSERT_TRUE(a.CreateIn(&frame, 101));
    ASSERT_TRUE(c.CreateIn(&frame, 103));
    Manager().DockControlBar(&a, CVrxPDockBar::idTop, nullptr);
    Manager().DockControlBar(&c, CVrxPDockBar::idTop, nullptr);
    CVrxPDockBar* pTop = Site(CBRS_ALIGN_TOP);
    pTop->RemoveBar(&a);
    ASSERT_EQ(1, pTop->GetRows().GetCount());
    EXPECT_EQ(0, c.GetDockBarRow()->GetOffset()) << "the row behind moved to the frame edge";
    EXPECT_EQ(30, pTop->GetThickness());
    EXPECT_EQ(CRect(0, 0, 120, 30), InSite(c, pTop));
    pTop->RemoveBar(&c);
    EXPECT_TRUE(pTop->GetRows().IsEmpty());
    EXPECT_EQ(0, pTop->GetThickness());
    EXPECT_EQ(CRect(0, 0, 400, 300), MdiClient());
}

// Dragged forward, a bar pushes the next one until its start passes that
// bar's saved start; then the two change places.
TEST_F(DockBarTest, ADraggedBarPassesItsNeighbour)
{
    ToolbarLikeBar a;
    ToolbarLikeBar b;
    ASSERT_TRUE(a.CreateIn(&frame, 101));
    ASSERT_TRUE(b.CreateIn(&frame, 102));
    DockInFirstRow(a, 0);
    DockInFirstRow(b, 100);
    CVrxPDockBar* pTop = Site(CBRS_ALIGN_TOP);
    CVrxPDockBarRow* pRow = a.GetDockBarRow();
    ASSERT_EQ(pRow, b.GetDockBarRow());

    pRow->MoveBar(&a, 60, 0, TRUE);
    EXPECT_EQ(CRect(60, 0, 160, 26), InSite(a, pTop));
    EXPECT_EQ(CRect(160, 0, 260, 26), InSite(b, pTop)) << "pushed";
    EXPECT_EQ(&a, pRow->GetBars().GetHead());
    pRow->MoveBar(&a, 50, 0, TRUE);
    pRow->MoveBar(&a, 10, 0, TRUE);
    EXPECT_EQ(&b, pRow->GetBars().GetHead()) << "passed";
    EXPECT_EQ(CRect(20, 0, 120, 26), InSite(b, pTop));
    EXPECT_EQ(CRect(120, 0, 220, 26), InSite(a, pTop));

    // Against the row's end it stops.
    pRow->MoveBar(&a, 500, 0, TRUE);
    EXPECT_EQ(CRect(300, 0, 400, 26), InSite(a, pTop));
}
} // namespace
