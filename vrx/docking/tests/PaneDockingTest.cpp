// Docking panes laid out through their default sliders at the frame's
// edges, and moved by dragging their captions with real mouse input.

#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/containers/CVrxPBarContainerManager.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/tests/DockingTestBars.h"
#include "docking/tests/RealInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
using realinput::InputStep;
using realinput::Play;

const int kThickness = CVrxPSlider::defaultThickness;

class PaneDockingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateWithClient(600, 400));
        frame.SetForegroundWindow();
    }
    void TearDown() override
    {
        frame.DestroyWindow();
        panes.clear();
    }

    CVrxPDockingControlBar* AddPane(DWORD dwSide, int nSize)
    {
        auto pane = std::make_unique<CVrxPDockingControlBar>();
        const UINT nId = UINT(200 + panes.size());
        if (!pane->Create("Pane", &frame, CSize(nSize, nSize), TRUE, nId, WS_CHILD | WS_VISIBLE | dwSide, 0x20,
                          0xF))
            return nullptr;
        pane->EnableDocking(CBRS_ALIGN_ANY);
        if (!frame.PlaceBarDocked(pane.get()))
            return nullptr;
        panes.push_back(std::move(pane));
        return panes.back().get();
    }
    CRect InClient(const CWnd* pWnd) const { return RectInClient(pWnd->GetSafeHwnd(), frame); }
    CRect Mdi() const { return RectInClient(frame.m_hWndMDIClient, frame); }
    CPoint ClientPoint(int x, int y) const
    {
        CPoint point(x, y);
        frame.ClientToScreen(&point);
        return point;
    }
    // A point on the pane's caption, clear of its buttons.
    static CPoint OnCaption(const CVrxPDockingControlBar* pPane)
    {
        CRect rect;
        pPane->GetWindowRect(&rect);
        return CPoint(rect.left + 30, rect.top + 6);
    }
    static std::vector<InputStep> Drag(CPoint from, CPoint to)
    {
        const CPoint middle((from.x + to.x) / 2, (from.y + to.y) / 2);
        return {{InputStep::move, from},  {InputStep::press, from}, {InputStep::move, from + CSize(10, 10)},
                {InputStep::move, middle}, {InputStep::move, to},   {InputStep::rest, to},
                {InputStep::release, to}};
    }

    DockingTestFrame frame;
    std::vector<std::unique_ptr<CVrxPDockingControlBar>> panes;
};

// Each pane docked at an edge gets a default slider along its inner edge;
// a pane docked later lies inside those docked before it.
TEST_F(PaneDockingTest, PanesAtTwoEdgesAndTheirSliders)
{
    CVrxPDockingControlBar* pBottom = AddPane(CBRS_ALIGN_BOTTOM, 120);
    ASSERT_NE(nullptr, pBottom);
    EXPECT_EQ(CRect(0, 280, 600, 400), InClient(pBottom));
    ASSERT_NE(nullptr, pBottom->GetDefaultSlider());
    EXPECT_EQ(CRect(0, 280 - kThickness, 600, 280), InClient(pBottom->GetDefaultSlider()));
    EXPECT_EQ(CRect(0, 0, 600, 280 - kThickness), Mdi());

    CVrxPDockingControlBar* pLeft = AddPane(CBRS_ALIGN_LEFT, 150);
    ASSERT_NE(nullptr, pLeft);
    EXPECT_NE(pBottom->GetDefaultSlider(), pLeft->GetDefaultSlider());
    EXPECT_EQ(CRect(0, 0, 150, 276), InClient(pLeft));
    EXPECT_EQ(CRect(150, 0, 150 + kThickness, 276), InClient(pLeft->GetDefaultSlider()));
    EXPECT_EQ(CRect(154, 0, 600, 276), Mdi());
}

// A pane closed gives its side back and its slider hides; shown again, both
// come back at the same place.
TEST_F(PaneDockingTest, AHiddenPaneGivesItsSideBack)
{
    CVrxPDockingControlBar* pBottom = AddPane(CBRS_ALIGN_BOTTOM, 120);
    ASSERT_NE(nullptr, pBottom);
    CVrxPSlider* pSlider = pBottom->GetDefaultSlider();
    pBottom->ShowPane(FALSE);
    EXPECT_FALSE(pSlider->IsWindowVisible());
    EXPECT_EQ(CRect(0, 0, 600, 400), Mdi());
    pBottom->ShowPane(TRUE);
    EXPECT_TRUE(pSlider->IsWindowVisible());
    EXPECT_EQ(CRect(0, 280, 600, 400), InClient(pBottom));
    EXPECT_EQ(CRect(0, 0, 600, 276), Mdi());
}

// The default slider's drag stops where the free client area keeps its
// margin, and where the pane keeps its minimum size.
TEST_F(PaneDockingTest, TheDefaultSliderStopsWithinTheFreeArea)
{
    CVrxPDockingControlBar* pBottom = AddPane(CBRS_ALIGN_BOTTOM, 120);
    ASSERT_NE(nullptr, pBottom);
    pBottom->SetMinimumSize(CSize(50, 50));
    CVrxPSlider* pSlider = pBottom->GetDefaultSlider();
    int nMin = 0;
    int nMax = 0;
    int nStep = 0;
    pSlider->GetContainerManager()->GetSliderLimits(pSlider, nMin, nMax, nStep);
    const int nMargin = CVrxPBarContainerManager::clientMargin;
    EXPECT_EQ(nMargin - 276 + 1, nMin) << "up to the free area's top, less its margin";
    EXPECT_EQ(400 - 50 - 280 - 1, nMax) << "down to the pane's minimum height";
}

// Dragged by its caption to the frame's right edge, the bottom pane docks
// there with its own slider; the left pane then spans the frame's height.
TEST_F(PaneDockingTest, ACaptionDraggedToTheRightEdgeDocksThere)
{
    CVrxPDockingControlBar* pBottom = AddPane(CBRS_ALIGN_BOTTOM, 120);
    CVrxPDockingControlBar* pLeft = AddPane(CBRS_ALIGN_LEFT, 150);
    ASSERT_NE(nullptr, pLeft);
    Play(Drag(OnCaption(pBottom), ClientPoint(596, 200)));

    EXPECT_FALSE(pBottom->IsFloating());
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_RIGHT), pBottom->GetDockSide());
    EXPECT_EQ(CRect(0, 0, 150, 400), InClient(pLeft));
    EXPECT_EQ(CRect(480, 0, 600, 400), InClient(pBottom));
    ASSERT_NE(nullptr, pBottom->GetDefaultSlider());
    EXPECT_EQ(CRect(476, 0, 480, 400), InClient(pBottom->GetDefaultSlider()));
    EXPECT_EQ(CRect(154, 0, 476, 400), Mdi());
}

// Dropped on the lower part of another pane, the dragged pane shares that
// pane's side below it, split by an inner slider; its old side is free.
TEST_F(PaneDockingTest, ACaptionDroppedOnAPaneDocksBesideIt)
{
    CVrxPDockingControlBar* pBottom = AddPane(CBRS_ALIGN_BOTTOM, 120);
    CVrxPDockingControlBar* pLeft = AddPane(CBRS_ALIGN_LEFT, 150);
    ASSERT_NE(nullptr, pLeft);
    Play(Drag(OnCaption(pBottom), ClientPoint(75, 260)));

    EXPECT_EQ(pLeft->GetDefaultSlider(), pBottom->GetDefaultSlider());
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_LEFT), pBottom->GetDockSide());
    const CRect rectLeft = InClient(pLeft);
    const CRect rectBottom = InClient(pBottom);
    // Inserted below the 276-pixel-high pane at its own 120 pixels, then
    // grown with the side to 400: the growth goes to the halves in inverse
    // proportion to their shares (152 of 276 above: 55 more pixels).
    EXPECT_EQ(CRect(0, 0, 150, 207), rectLeft);
    EXPECT_EQ(CRect(0, 211, 150, 400), rectBottom);
    EXPECT_EQ(CRect(154, 0, 600, 400), Mdi());
}

// A drop in the middle of the view floats the pane at the outline; Esc
// during the drag leaves it docked where it was.
TEST_F(PaneDockingTest, ADropInTheMiddleFloatsAndEscCancels)
{
    CVrxPDockingControlBar* pBottom = AddPane(CBRS_ALIGN_BOTTOM, 120);
    ASSERT_NE(nullptr, pBottom);
    const CPoint grab = OnCaption(pBottom);
    std::vector<InputStep> cancelled = Drag(grab, ClientPoint(300, 150));
    cancelled.insert(cancelled.end() - 1, InputStep{InputStep::escape, ClientPoint(300, 150)});
    Play(cancelled);
    EXPECT_FALSE(pBottom->IsFloating());
    EXPECT_EQ(CRect(0, 280, 600, 400), InClient(pBottom));

    Play(Drag(grab, ClientPoint(300, 150)));
    ASSERT_TRUE(pBottom->IsFloating());
    EXPECT_EQ(nullptr, pBottom->GetDefaultSlider());
    EXPECT_EQ(CRect(0, 0, 600, 400), Mdi());
    CRect rectFrame;
    pBottom->GetMiniFrame()->GetWindowRect(&rectFrame);
    const CPoint drop = ClientPoint(300, 150);
    EXPECT_EQ(drop.x - (grab.x - ClientPoint(0, 280).x), rectFrame.left);
    EXPECT_EQ(drop.y - (grab.y - ClientPoint(0, 280).y), rectFrame.top);
}
} // namespace
