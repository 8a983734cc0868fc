// The container tree of docked panes: splits, shares, removal and slider
// limits, measured on the windows' rectangles.

#include "docking/containers/tests/ContainerTestSite.h"
#include "docking/tests/RealInput.h"

#include <gtest/gtest.h>

namespace
{
const int t = ContainerTestSite::thickness;

class ContainerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(site.Create(800, 600));
        first = site.NewPane(CSize(10, 10));
        ASSERT_NE(nullptr, first);
        ASSERT_TRUE(site.defaultSlider->AddPane(first));
        site.Layout(CRect(0, 0, 300 + t, 600));
    }

    // A pane of min size placed beside first.
    TestPane* Beside(TestPane* pExisting, DWORD dwAlignment, CSize size, CSize minimum = CSize(10, 10))
    {
        TestPane* pane = site.NewPane(minimum, CRect(CPoint(0, 0), size));
        EXPECT_NE(nullptr, pane);
        EXPECT_TRUE(site.defaultSlider->InsertPaneBeside(pane, pExisting, dwAlignment));
        return pane;
    }
    CVrxPSlider* SliderOf(TestPane* pane)
    {
        BOOL bFirst = FALSE;
        CVrxPBarContainer* node = site.Manager()->FindContainer(pane, bFirst);
        return node != nullptr ? node->GetSlider() : nullptr;
    }

    ContainerTestSite site;
    TestPane* first = nullptr;
};

struct SplitCase
{
    DWORD alignment;
    CSize newSize;
    CRect existing;
    CRect slider;
    CRect added;
};

class InsertBesideTest : public ContainerTest, public ::testing::WithParamInterface<SplitCase>
{
};

// The new pane takes half the existing pane at most, with a 4-pixel slider
// between them on the side the alignment names.
TEST_P(InsertBesideTest, SplitsTheExistingPane)
{
    const SplitCase& c = GetParam();
    TestPane* added = Beside(first, c.alignment, c.newSize);
    EXPECT_EQ(c.existing, site.InSite(first));
    EXPECT_EQ(c.added, site.InSite(added));
    CVrxPSlider* slider = SliderOf(added);
    ASSERT_NE(nullptr, slider);
    EXPECT_EQ(c.slider, site.InSite(slider));
    EXPECT_TRUE(slider->IsWindowVisible());
    EXPECT_EQ(2, site.Manager()->CountContainers());
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, InsertBesideTest,
    ::testing::Values(
        SplitCase{CBRS_ALIGN_RIGHT, CSize(400, 100), CRect(0, 0, 146, 600), CRect(146, 0, 150, 600),
                  CRect(150, 0, 300, 600)},
        SplitCase{CBRS_ALIGN_LEFT, CSize(100, 100), CRect(104, 0, 300, 600), CRect(100, 0, 104, 600),
                  CRect(0, 0, 100, 600)},
        SplitCase{CBRS_ALIGN_BOTTOM, CSize(100, 200), CRect(0, 0, 300, 396), CRect(0, 396, 300, 400),
                  CRect(0, 400, 300, 600)},
        SplitCase{CBRS_ALIGN_TOP, CSize(100, 450), CRect(0, 304, 300, 600), CRect(0, 300, 300, 304),
                  CRect(0, 0, 300, 300)}));

TEST_F(ContainerTest, RefusesPanesItDoesNotHoldAndUnknownSides)
{
    TestPane* stranger = site.NewPane(CSize(10, 10));
    TestPane* added = site.NewPane(CSize(10, 10));
    EXPECT_FALSE(site.defaultSlider->InsertPaneBeside(added, stranger, CBRS_ALIGN_RIGHT));
    EXPECT_FALSE(site.defaultSlider->InsertPaneBeside(added, first, 0));
    EXPECT_EQ(1, site.Manager()->CountContainers());
    EXPECT_EQ(CRect(0, 0, 300, 600), site.InSite(first));
}

struct ShareCase
{
    int newWidth;
    int firstWidth;
    int secondWidth;
};

class ShareTest : public ContainerTest, public ::testing::WithParamInterface<ShareCase>
{
};

// A node whose first side has 30 % of 400 pixels: growth goes to the sides
// in the inverse proportion of their shares, shrinkage in proportion.
TEST_P(ShareTest, GrowsAndShrinksByTheShares)
{
    TestPane* second = Beside(first, CBRS_ALIGN_RIGHT, CSize(100, 100));
    site.Layout(CRect(0, 0, 400 + t, 600));
    CVrxPSlider* slider = SliderOf(second);
    first->MoveWindow(0, 0, 120, 600);
    slider->MoveWindow(120, 0, t, 600);
    second->MoveWindow(120 + t, 0, 400 - 120 - t, 600);

    const ShareCase& c = GetParam();
    site.Layout(CRect(0, 0, c.newWidth + t, 600));
    EXPECT_EQ(CRect(0, 0, c.firstWidth, 600), site.InSite(first));
    EXPECT_EQ(CRect(c.firstWidth, 0, c.firstWidth + t, 600), site.InSite(slider));
    EXPECT_EQ(CRect(c.firstWidth + t, 0, c.newWidth, 600), site.InSite(second));
    EXPECT_EQ(30, first->GetContainerPercent());
    EXPECT_EQ(70, second->GetContainerPercent());
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShareTest,
                         ::testing::Values(ShareCase{500, 190, 306}, ShareCase{300, 90, 206},
                                           ShareCase{400, 120, 276}));

class StoredShareTest : public ContainerTest, public ::testing::WithParamInterface<std::pair<int, int>>
{
};

// The first side fills the node and the second has no height: the second
// comes back at its stored share, half when the share says nothing.
TEST_P(StoredShareTest, GivesAnEmptySideItsStoredShare)
{
    TestPane* second = Beside(first, CBRS_ALIGN_BOTTOM, CSize(100, 200), CSize(0, 0));
    CVrxPSlider* slider = SliderOf(second);
    first->MoveWindow(0, 0, 300, 600);
    second->MoveWindow(0, 600, 300, 0);
    second->SetContainerPercent(GetParam().first);

    site.Layout(CRect(0, 0, 300 + t, 600));
    const int split = GetParam().second;
    EXPECT_EQ(CRect(0, 0, 300, split), site.InSite(first));
    EXPECT_EQ(CRect(0, split, 300, split + t), site.InSite(slider));
    EXPECT_EQ(CRect(0, split + t, 300, 600), site.InSite(second));
}

INSTANTIATE_TEST_SUITE_P(Shares, StoredShareTest,
                         ::testing::Values(std::make_pair(30, 420), std::make_pair(0, 300),
                                           std::make_pair(100, 300), std::make_pair(50, 300)));

// Sides that take no room at all share a new extent half and half.
TEST_F(ContainerTest, ANodeOfNoExtentSplitsInHalves)
{
    first->SetMinimumSize(CSize(0, 0));
    TestPane* second = Beside(first, CBRS_ALIGN_RIGHT, CSize(100, 100), CSize(0, 0));
    CVrxPSlider* slider = SliderOf(second);
    first->MoveWindow(0, 0, 0, 600);
    second->MoveWindow(0, 0, 0, 600);
    slider->ShowWindow(SW_HIDE);

    site.Layout(CRect(0, 0, 300 + t, 600));
    EXPECT_EQ(CRect(0, 0, 150, 600), site.InSite(first));
    EXPECT_EQ(CRect(150 + t, 0, 300, 600), site.InSite(second));
    EXPECT_EQ(50, first->GetContainerPercent());
}

// Three panes: A | B over C. B leaves and C takes its place; A leaves and C
// fills the docked area; the last pane leaving takes the slider with it.
TEST_F(ContainerTest, RemovedPanesGiveTheirSpaceBack)
{
    TestPane* b = Beside(first, CBRS_ALIGN_RIGHT, CSize(400, 100));
    TestPane* c = Beside(b, CBRS_ALIGN_BOTTOM, CSize(100, 200));
    ASSERT_EQ(CRect(150, 0, 300, 396), site.InSite(b));
    ASSERT_EQ(CRect(150, 400, 300, 600), site.InSite(c));
    ASSERT_EQ(3, site.Manager()->CountContainers());
    const HWND hInner = SliderOf(c)->GetSafeHwnd();

    ASSERT_TRUE(site.defaultSlider->RemovePane(b));
    EXPECT_EQ(CRect(150, 0, 300, 600), site.InSite(c));
    EXPECT_EQ(CRect(0, 0, 146, 600), site.InSite(first));
    EXPECT_FALSE(::IsWindow(hInner));
    EXPECT_EQ(2, site.Manager()->CountContainers());
    EXPECT_EQ(SliderOf(first), SliderOf(c));
    EXPECT_EQ(nullptr, b->GetDefaultSlider());

    ASSERT_TRUE(site.defaultSlider->RemovePane(first));
    EXPECT_EQ(CRect(0, 0, 300, 600), site.InSite(c));
    EXPECT_FALSE(SliderOf(c)->IsWindowVisible());
    EXPECT_FALSE(site.defaultSlider->RemovePane(first));

    const HWND hDefault = site.defaultSlider->GetSafeHwnd();
    ASSERT_TRUE(site.defaultSlider->RemovePane(c));
    EXPECT_FALSE(::IsWindow(hDefault));
}

// Minimum heights 50 and 60: the slider's top stops 51 pixels below the
// node's top and its bottom 61 pixels above the node's bottom.
TEST_F(ContainerTest, SliderLimitsKeepTheMinimumSizes)
{
    first->SetMinimumSize(CSize(10, 50));
    TestPane* second = Beside(first, CBRS_ALIGN_BOTTOM, CSize(100, 200), CSize(10, 60));
    CVrxPSlider* slider = SliderOf(second);
    int nMin = 0;
    int nMax = 0;
    int nStep = 0;
    site.Manager()->GetSliderLimits(slider, nMin, nMax, nStep);
    EXPECT_EQ(51 - 396, nMin);
    EXPECT_EQ(600 - 61 - 400, nMax);
    EXPECT_EQ(-1, nStep);
}

// The default slider at the left stops 5 pixels inside the free client
// area, and no closer to the frame's edge than the panes' minimum width.
TEST_F(ContainerTest, DefaultSliderLimitsKeepTheClientArea)
{
    first->SetMinimumSize(CSize(80, 10));
    int nMin = 0;
    int nMax = 0;
    int nStep = 0;
    site.Manager()->GetSliderLimits(site.defaultSlider, nMin, nMax, nStep);
    EXPECT_EQ(80 + 1 - 300, nMin);
    EXPECT_EQ(800 - 4 - 1 - 304, nMax);
}

TEST_F(ContainerTest, SliderIdsCountUpAndSkipIdsInUse)
{
    CVrxPBarContainerManager::nextSliderId = 1;
    CVrxPSlider* one = site.Manager()->CreateSlider(CRect(0, 0, 4, 10), CVrxPSlider::styleVertical, -1);
    CVrxPSlider* two = site.Manager()->CreateSlider(CRect(0, 0, 4, 10), CVrxPSlider::styleVertical, -1);
    CVrxPSlider* seven = site.Manager()->CreateSlider(CRect(0, 0, 4, 10), CVrxPSlider::styleVertical, 7);
    CVrxPSlider* again = site.Manager()->CreateSlider(CRect(0, 0, 4, 10), CVrxPSlider::styleVertical, 2);
    ASSERT_TRUE(one && two && seven && again);
    EXPECT_EQ(1, one->GetSliderId());
    EXPECT_EQ(2, two->GetSliderId());
    EXPECT_EQ(7, seven->GetSliderId());
    EXPECT_EQ(8, again->GetSliderId());
    EXPECT_EQ(4, one->GetThickness());
}

TEST_F(ContainerTest, ASliderOfNoKindHasNoThicknessAndDoesNotMove)
{
    CVrxPSlider* slider = site.Manager()->CreateSlider(CRect(10, 10, 30, 40), 0, -1);
    ASSERT_NE(nullptr, slider);
    EXPECT_EQ(0, slider->GetThickness());
    slider->MoveSlider(CSize(15, 15));
    EXPECT_EQ(CRect(10, 10, 30, 40), site.InSite(slider));
}

// A user drags the inner slider with the mouse far past its limit: the
// border stops where the upper pane keeps its minimum height.
class SliderDragTest : public ContainerTest
{
protected:
    void SetUp() override
    {
        ContainerTest::SetUp();
        first->SetMinimumSize(CSize(10, 50));
        second = Beside(first, CBRS_ALIGN_BOTTOM, CSize(100, 200), CSize(10, 60));
        slider = SliderOf(second);
        site.site.SetForegroundWindow();
    }
    CPoint OnSite(int x, int y)
    {
        CPoint point(x, y);
        site.site.ClientToScreen(&point);
        return point;
    }

    TestPane* second = nullptr;
    CVrxPSlider* slider = nullptr;
};

TEST_F(SliderDragTest, ADragPastTheLimitStopsAtIt)
{
    using realinput::InputStep;
    realinput::Play({{InputStep::move, OnSite(150, 398)},
                     {InputStep::press, OnSite(150, 398)},
                     {InputStep::move, OnSite(150, 300)},
                     {InputStep::move, OnSite(150, 100)},
                     {InputStep::move, OnSite(150, 5)},
                     {InputStep::release, OnSite(150, 5)}});
    EXPECT_FALSE(slider->IsTracking());
    EXPECT_EQ(CRect(0, 0, 300, 51), site.InSite(first));
    EXPECT_EQ(CRect(0, 51, 300, 51 + t), site.InSite(slider));
    EXPECT_EQ(CRect(0, 51 + t, 300, 600), site.InSite(second));
}

TEST_F(SliderDragTest, ADragDownStopsAboveTheLowerPanesMinimum)
{
    using realinput::InputStep;
    realinput::Play({{InputStep::move, OnSite(150, 398)},
                     {InputStep::press, OnSite(150, 398)},
                     {InputStep::move, OnSite(150, 500)},
                     {InputStep::move, OnSite(150, 598)},
                     {InputStep::release, OnSite(150, 598)}});
    EXPECT_EQ(CRect(0, 0, 300, 600 - 61 - t), site.InSite(first));
    EXPECT_EQ(CRect(0, 600 - 61 - t, 300, 600 - 61), site.InSite(slider));
    EXPECT_EQ(CRect(0, 600 - 61, 300, 600), site.InSite(second));
}

// Cancel mode during a drag leaves the panes where they were.
TEST_F(SliderDragTest, CancelModeLeavesThePanes)
{
    using realinput::InputStep;
    realinput::Play({{InputStep::move, OnSite(150, 398)},
                     {InputStep::press, OnSite(150, 398)},
                     {InputStep::move, OnSite(150, 200)}});
    ASSERT_TRUE(slider->IsTracking());
    slider->SendMessage(WM_CANCELMODE);
    realinput::Play({{InputStep::release, OnSite(150, 200)}});
    EXPECT_FALSE(slider->IsTracking());
    EXPECT_EQ(CRect(0, 0, 300, 396), site.InSite(first));
    EXPECT_EQ(CRect(0, 400, 300, 600), site.InSite(second));
}

// The default slider dragged right widens the whole docked area.
TEST_F(SliderDragTest, TheDefaultSliderResizesTheDockedArea)
{
    using realinput::InputStep;
    realinput::Play({{InputStep::move, OnSite(302, 300)},
                     {InputStep::press, OnSite(302, 300)},
                     {InputStep::move, OnSite(350, 300)},
                     {InputStep::move, OnSite(402, 300)},
                     {InputStep::release, OnSite(402, 300)}});
    EXPECT_EQ(CRect(400, 0, 400 + t, 600), site.InSite(site.defaultSlider));
    EXPECT_EQ(400, site.InSite(first).Width());
    EXPECT_EQ(400, site.InSite(second).Width());
}
} // namespace
