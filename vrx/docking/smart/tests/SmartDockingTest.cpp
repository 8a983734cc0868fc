// Dragging a docked pane in marker style with real mouse input: the side
// markers and the diamond appear, the marker under the cursor decides where
// the pane docks, and the highlight shows it before the drop.

#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/VrxPSmartDocking.h"
#include "docking/panes/CVrxPBaseTabbedBar.h"
#include "docking/smart/CVrxPSmartDockingGuide.h"
#include "docking/tests/DockingTestBars.h"
#include "docking/tests/RealInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
using Layout = CVrxPSmartDockingLayout;
using realinput::InputStep;
using realinput::Play;

// What the guide showed while the cursor rested on a marker, read by a
// timer that runs inside the drag's own message loop.
struct Seen
{
    CVrxPFrameBarManager* pManager = nullptr;
    BOOL bShown = FALSE;
    int nMarker = Layout::none;
    BOOL sideVisible[4] = {};
    BOOL bGroupVisible = FALSE;
    BOOL bHighlightShown = FALSE;
    CRect rectHighlight;
};
Seen g_seen;

void CALLBACK LookAtGuide(HWND, UINT, UINT_PTR, DWORD)
{
    CVrxPSmartDockingGuide* pGuide = g_seen.pManager->GetSmartDockingGuide();
    if (pGuide == nullptr || !pGuide->IsShown())
        return;
    g_seen.bShown = TRUE;
    if (pGuide->GetCurrentMarker() == Layout::none)
        return;
    g_seen.nMarker = pGuide->GetCurrentMarker();
    for (int i = 0; i < 4; ++i)
        g_seen.sideVisible[i] = pGuide->GetSideMarker(i).IsWindowVisible();
    g_seen.bGroupVisible = pGuide->GetCentralGroup().IsWindowVisible();
    g_seen.bHighlightShown = pGuide->GetHighlight().IsShown() && pGuide->GetHighlight().IsWindowVisible();
    pGuide->GetHighlight().GetWindowRect(&g_seen.rectHighlight);
}

class SmartDockingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CVrxPFrameBarManager::SetGlobalDockStyle(CVrxPFrameBarManager::smartMarkersStyle);
        ASSERT_TRUE(frame.CreateWithClient(600, 400));
        frame.SetForegroundWindow();
        pBottom = AddPane(CBRS_ALIGN_BOTTOM, 120, CBRS_ALIGN_ANY);
        pLeft = AddPane(CBRS_ALIGN_LEFT, 150, CBRS_ALIGN_ANY);
        ASSERT_NE(nullptr, pLeft);
        g_seen = Seen();
        g_seen.pManager = &frame.GetBarManager();
    }
    void TearDown() override
    {
        frame.DestroyWindow();
        panes.clear();
        CVrxPFrameBarManager::SetGlobalDockStyle(CVrxPFrameBarManager::defaultDockStyle);
    }

    CVrxPDockingControlBar* AddPane(DWORD dwSide, int nSize, DWORD dwAllowed)
    {
        auto pane = std::make_unique<CVrxPDockingControlBar>();
        const UINT nId = UINT(300 + panes.size());
        if (!pane->Create("Pane", &frame, CSize(nSize, nSize), TRUE, nId, WS_CHILD | WS_VISIBLE | dwSide, 0x20, 0xF))
            return nullptr;
        pane->EnableDocking(dwAllowed);
        if (!frame.PlaceBarDocked(pane.get()))
            return nullptr;
        panes.push_back(std::move(pane));
        return panes.back().get();
    }
    CRect InClient(const CWnd* pWnd) const { return RectInClient(pWnd->GetSafeHwnd(), frame); }
    // The docking area the side markers stand in, on the screen.
    CRect Area()
    {
        CRect rect = frame.GetBarManager().GetInnerRect();
        frame.ClientToScreen(&rect);
        return rect;
    }
    CPoint SideMarker(int nMarker)
    {
        const RECT rect = Layout::PlaceSideMarker(nMarker, Area());
        return CPoint(rect.left + 10, rect.top + 10);
    }
    // A point on a central marker of the diamond over the pane.
    static CPoint OnGroup(const CVrxPDockingControlBar* pPane, int nMarker)
    {
        CRect rect;
        pPane->GetWindowRect(&rect);
        const RECT group = Layout::PlaceCentralGroup(rect);
        const RECT box = Layout::CentralMarkerBox(nMarker);
        return CPoint(group.left + (box.left + box.right) / 2, group.top + (box.top + box.bottom) / 2);
    }
    static CPoint OnCaption(const CVrxPDockingControlBar* pPane)
    {
        CRect rect;
        pPane->GetWindowRect(&rect);
        return CPoint(rect.left + 30, rect.top + 6);
    }
    // The drag rests on its end long enough for the guide to be looked at.
    static std::vector<InputStep> Drag(CPoint from, CPoint to)
    {
        const CPoint middle((from.x + to.x) / 2, (from.y + to.y) / 2);
        return {{InputStep::move, from}, {InputStep::press, from}, {InputStep::move, from + CSize(10, -10)},
                {InputStep::move, middle}, {InputStep::move, to}, {InputStep::rest, to},
                {InputStep::move, to + CSize(1, 1)}, {InputStep::rest, to}, {InputStep::release, to}};
    }
    void PlayWatched(const std::vector<InputStep>& steps)
    {
        const UINT_PTR nTimer = ::SetTimer(NULL, 0, 20, LookAtGuide);
        Play(steps);
        ::KillTimer(NULL, nTimer);
    }

    DockingTestFrame frame;
    std::vector<std::unique_ptr<CVrxPDockingControlBar>> panes;
    CVrxPDockingControlBar* pBottom = nullptr;
    CVrxPDockingControlBar* pLeft = nullptr;
};

// Each side marker docks the bottom pane at its edge of the frame; while the
// cursor rests on it, all four side markers and the diamond are up and the
// highlight covers the band the pane then takes.
TEST_F(SmartDockingTest, ADropOnASideMarkerDocksAtThatEdge)
{
    const struct
    {
        int marker;
        DWORD side;
    } cases[] = {{Layout::sideRight, CBRS_ALIGN_RIGHT}, {Layout::sideTop, CBRS_ALIGN_TOP},
                 {Layout::sideLeft, CBRS_ALIGN_LEFT}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.marker);
        g_seen = Seen();
        g_seen.pManager = &frame.GetBarManager();
        PlayWatched(Drag(OnCaption(pBottom), SideMarker(c.marker)));
        EXPECT_EQ(c.marker, g_seen.nMarker);
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(g_seen.sideVisible[i]) << "side marker " << i;
        EXPECT_TRUE(g_seen.bGroupVisible);
        ASSERT_TRUE(g_seen.bHighlightShown);
        ASSERT_FALSE(pBottom->IsFloating());
        EXPECT_EQ(c.side, pBottom->GetDockSide());
        CRect rectPane;
        pBottom->GetWindowRect(&rectPane);
        // The pane's old side comes free after the drop, so only its
        // thickness and its outer edge match the highlight.
        const CRect& lit = g_seen.rectHighlight;
        if (c.side == CBRS_ALIGN_TOP)
        {
            EXPECT_EQ(lit.Height(), rectPane.Height());
            EXPECT_EQ(lit.top, rectPane.top);
        }
        else
        {
            EXPECT_EQ(lit.Width(), rectPane.Width());
            EXPECT_EQ(c.side == CBRS_ALIGN_LEFT ? lit.left : lit.right,
                      c.side == CBRS_ALIGN_LEFT ? rectPane.left : rectPane.right);
        }
        CVrxPSmartDockingGuide* pGuide = frame.GetBarManager().GetSmartDockingGuide();
        ASSERT_NE(nullptr, pGuide);
        EXPECT_FALSE(pGuide->IsShown());
        EXPECT_FALSE(pGuide->GetSideMarker(0).IsWindowVisible()) << "the markers go with the drag";
        EXPECT_FALSE(pGuide->GetCentralGroup().IsWindowVisible());
        EXPECT_FALSE(pGuide->GetHighlight().IsWindowVisible());
    }
}

// The diamond stands over the pane under the cursor; its left marker puts
// the dragged pane beside that pane, sharing its side.
TEST_F(SmartDockingTest, ADropOnTheDiamondDocksBesideThePaneUnderIt)
{
    PlayWatched(Drag(OnCaption(pBottom), OnGroup(pLeft, Layout::centralBottom)));
    EXPECT_EQ(Layout::centralBottom, g_seen.nMarker);
    EXPECT_TRUE(g_seen.bHighlightShown);
    EXPECT_EQ(pLeft->GetDefaultSlider(), pBottom->GetDefaultSlider());
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_LEFT), pBottom->GetDockSide());
    CRect rectLeft, rectBottom;
    pLeft->GetWindowRect(&rectLeft);
    pBottom->GetWindowRect(&rectBottom);
    EXPECT_LT(rectLeft.bottom, rectBottom.top) << "below the pane it was dropped on";
}

// The diamond's centre joins the pane under it as a tab; a pane without a
// tabbed-bar class gets a diamond without a centre, where a drop floats.
TEST_F(SmartDockingTest, TheCentreJoinsTabsWhenThePaneHasThem)
{
    ASSERT_NE(nullptr, pBottom->GetTabbedBarClass());
    PlayWatched(Drag(OnCaption(pBottom), OnGroup(pLeft, Layout::centre)));
    EXPECT_EQ(Layout::centre, g_seen.nMarker);
    ASSERT_NE(nullptr, pBottom->GetTabbedBar());
    EXPECT_EQ(pLeft->GetTabbedBar(), pBottom->GetTabbedBar());

    CVrxPDockingControlBar* pOther = AddPane(CBRS_ALIGN_BOTTOM, 100, CBRS_ALIGN_ANY);
    ASSERT_NE(nullptr, pOther);
    pOther->SetTabbedBarClass(nullptr);
    g_seen = Seen();
    g_seen.pManager = &frame.GetBarManager();
    CVrxPDockingControlBar* pTabbed = pLeft->GetTabbedBar();
    PlayWatched(Drag(OnCaption(pOther), OnGroup(pTabbed, Layout::centre)));
    EXPECT_TRUE(g_seen.bShown);
    EXPECT_EQ(Layout::none, g_seen.nMarker);
    EXPECT_TRUE(pOther->IsFloating());
}

// Esc leaves the pane where it was and takes the markers down.
TEST_F(SmartDockingTest, EscCancelsTheDrag)
{
    const CRect rectBefore = InClient(pBottom);
    std::vector<InputStep> cancelled = Drag(OnCaption(pBottom), SideMarker(Layout::sideRight));
    cancelled.insert(cancelled.end() - 1, InputStep{InputStep::escape, SideMarker(Layout::sideRight)});
    PlayWatched(cancelled);
    EXPECT_EQ(Layout::sideRight, g_seen.nMarker);
    EXPECT_FALSE(pBottom->IsFloating());
    EXPECT_EQ(rectBefore, InClient(pBottom));
    EXPECT_FALSE(frame.GetBarManager().GetSmartDockingGuide()->GetSideMarker(Layout::sideRight).IsWindowVisible());
}

// A pane that may not dock at the left shows no left marker, and a drop
// where it would stand does not dock it there.
TEST_F(SmartDockingTest, ASideThePaneRefusesHasNoMarker)
{
    pBottom->EnableDocking(CBRS_ALIGN_ANY & ~CBRS_ALIGN_LEFT);
    PlayWatched(Drag(OnCaption(pBottom), SideMarker(Layout::sideTop)));
    EXPECT_EQ(Layout::sideTop, g_seen.nMarker);
    EXPECT_FALSE(g_seen.sideVisible[Layout::sideLeft]);
    EXPECT_TRUE(g_seen.sideVisible[Layout::sideRight]);
    ASSERT_EQ(static_cast<DWORD>(CBRS_ALIGN_TOP), pBottom->GetDockSide());

    g_seen = Seen();
    g_seen.pManager = &frame.GetBarManager();
    PlayWatched(Drag(OnCaption(pBottom), SideMarker(Layout::sideLeft)));
    EXPECT_TRUE(g_seen.bShown);
    EXPECT_NE(Layout::sideLeft, g_seen.nMarker);
    EXPECT_NE(static_cast<DWORD>(CBRS_ALIGN_LEFT), pBottom->IsFloating() ? 0 : pBottom->GetDockSide());
}

// A look change between two drags makes the next drag build its guide anew.
TEST_F(SmartDockingTest, ALookChangeReplacesTheGuide)
{
    CVrxPSmartDockingGuide* pGuide = frame.GetBarManager().GetSmartDockingGuide();
    ASSERT_NE(nullptr, pGuide);
    const HWND hOldMarker = pGuide->GetSideMarker(0).GetSafeHwnd();
    ASSERT_TRUE(::IsWindow(hOldMarker));
    EXPECT_EQ(pGuide, frame.GetBarManager().GetSmartDockingGuide()) << "kept while nothing changed";
    VrxPSmartDockingRebuild = 1;
    pGuide = frame.GetBarManager().GetSmartDockingGuide();
    ASSERT_NE(nullptr, pGuide);
    EXPECT_FALSE(::IsWindow(hOldMarker));
    EXPECT_TRUE(::IsWindow(pGuide->GetSideMarker(0).GetSafeHwnd()));
    EXPECT_EQ(0, VrxPSmartDockingRebuild);
}
} // namespace
