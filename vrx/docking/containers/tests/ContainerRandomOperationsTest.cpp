// Seeded random docking, removing, slider dragging and frame resizing of the
// container tree, with the tree's invariants checked after every step and
// the tree stored and read back at the end.

#include "docking/CVrxPDockStateRecord.h"
#include "docking/containers/tests/ContainerTestSite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>

namespace
{
const int t = ContainerTestSite::thickness;

class ContainerRandomOperations
{
public:
    explicit ContainerRandomOperations(unsigned nSeed) : random(nSeed) {}

    void Start()
    {
        ASSERT_TRUE(site.Create(800, 600));
        TestPane* pane = site.NewPane(RandomMinimum());
        ASSERT_TRUE(site.defaultSlider->AddPane(pane));
        docked.push_back(pane);
        area = CRect(0, 0, 300, 600);
        site.Layout(CRect(area.left, area.top, area.right + t, area.bottom));
    }

    // One random operation; a description of it.
    std::string Step()
    {
        switch (Pick(6))
        {
        case 0:
        case 1: return Dock();
        case 2: return Remove();
        case 3:
        case 4: return DragInnerSlider();
        default: return Pick(2) == 0 ? DragDefaultSlider() : ResizeFrame();
        }
    }

    // Every docked pane is held by the tree and lies in the docked area; the
    // panes and the shown inner sliders cover that area without overlap; a
    // tree of n panes shows n - 1 inner sliders; the default slider borders
    // the area.
    void CheckInvariants(const std::string& what)
    {
        std::ostringstream where;
        where << what << "; docked area (" << area.left << ", " << area.top << ", " << area.right << ", "
              << area.bottom << ")";
        SCOPED_TRACE(where.str());
        EXPECT_EQ(CRect(area.right, area.top, area.right + t, area.bottom), site.InSite(site.defaultSlider));
        std::vector<CRect> parts;
        for (TestPane* pane : docked)
        {
            BOOL bFirst = FALSE;
            EXPECT_NE(nullptr, site.Manager()->FindContainer(pane, bFirst));
            parts.push_back(site.InSite(pane));
        }
        int nShownSliders = 0;
        for (CVrxPSlider* slider : site.Manager()->GetSliders())
        {
            if (!slider->IsWindowVisible())
                continue;
            ++nShownSliders;
            parts.push_back(site.InSite(slider));
        }
        EXPECT_EQ(int(docked.size()) - 1, nShownSliders);
        long long nCovered = 0;
        for (size_t i = 0; i < parts.size(); ++i)
        {
            const CRect& part = parts[i];
            EXPECT_TRUE(part.left >= area.left && part.top >= area.top && part.right <= area.right &&
                        part.bottom <= area.bottom && part.right >= part.left && part.bottom >= part.top)
                << "part " << i << " (" << part.left << ", " << part.top << ", " << part.right << ", "
                << part.bottom << ")";
            nCovered += (long long)part.Width() * part.Height();
            for (size_t j = i + 1; j < parts.size(); ++j)
            {
                CRect overlap;
                EXPECT_FALSE(overlap.IntersectRect(part, parts[j])) << "parts " << i << " and " << j;
            }
        }
        EXPECT_EQ((long long)area.Width() * area.Height(), nCovered);
        if (::testing::Test::HasFailure())
            for (const CRect& part : parts)
                std::printf("(%ld, %ld, %ld, %ld)\n", part.left, part.top, part.right, part.bottom);
    }

    // The tree as the frame's docking stream stores it: read back whole and
    // written again as the same bytes, it names every docked pane once, in
    // its nodes and in the pane list.
    void CheckStoredTree()
    {
        using Record = CVrxPDockStateRecord;
        Record record;
        Record::DockEntry entry;
        entry.kind = Record::kindSlider;
        site.defaultSlider->StoreRecord(entry.slider);
        record.dockList.push_back(entry);
        const std::vector<BYTE> bytes = record.Write();
        Record read;
        ASSERT_TRUE(read.Read(bytes.data(), bytes.size(), TRUE));
        EXPECT_EQ(bytes, read.Write());
        ASSERT_EQ(1u, read.dockList.size());
        ASSERT_NE(nullptr, read.dockList[0].slider.manager);
        std::vector<int> inTree;
        CollectIds(read.dockList[0].slider.manager->root, inTree);
        std::vector<int> listed;
        for (const Record::PaneEntry& pane : read.dockList[0].slider.manager->panes)
            listed.push_back(pane.id);
        std::vector<int> expected;
        for (TestPane* pane : docked)
            expected.push_back(pane->GetDlgCtrlID());
        for (std::vector<int>* ids : {&inTree, &listed, &expected})
            std::sort(ids->begin(), ids->end());
        EXPECT_EQ(expected, inTree);
        EXPECT_EQ(expected, listed);
    }

    ContainerTestSite site;

private:
    static void CollectIds(const CVrxPDockStateRecord::ContainerRecord& node, std::vector<int>& ids)
    {
        for (int nId : {node.firstPaneId, node.secondPaneId})
            if (nId != 0)
                ids.push_back(nId);
        for (const auto& child : {node.firstChild, node.secondChild})
            if (child)
                CollectIds(*child, ids);
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    CSize RandomMinimum() { return CSize(10 + Pick(20), 10 + Pick(20)); }
    TestPane* AnyDocked() { return docked[size_t(Pick(int(docked.size())))]; }

    std::string Dock()
    {
        if (docked.size() >= 8)
            return "dock (full)";
        TestPane* existing = AnyDocked();
        static const DWORD sides[] = {CBRS_ALIGN_LEFT, CBRS_ALIGN_TOP, CBRS_ALIGN_RIGHT, CBRS_ALIGN_BOTTOM};
        const DWORD side = sides[Pick(4)];
        TestPane* pane = site.NewPane(RandomMinimum(), CRect(0, 0, 20 + Pick(300), 20 + Pick(300)));
        EXPECT_TRUE(site.defaultSlider->InsertPaneBeside(pane, existing, side));
        docked.push_back(pane);
        std::ostringstream what;
        what << "dock " << pane->GetDlgCtrlID() << " at " << std::hex << side << " of " << std::dec
             << existing->GetDlgCtrlID();
        return what.str();
    }

    std::string Remove()
    {
        if (docked.size() <= 1)
            return "remove (last pane stays)";
        TestPane* pane = AnyDocked();
        EXPECT_TRUE(site.defaultSlider->RemovePane(pane));
        pane->ShowWindow(SW_HIDE);
        docked.erase(std::find(docked.begin(), docked.end(), pane));
        return "remove " + std::to_string(pane->GetDlgCtrlID());
    }

    // A press, a move and a release on the slider, as its window gets them.
    static void Drag(CVrxPSlider* slider, int nDelta)
    {
        CRect rectClient;
        slider->GetClientRect(&rectClient);
        const CPoint center = rectClient.CenterPoint();
        const CPoint to = slider->IsAlignedHorizontally() ? CPoint(center.x, center.y + nDelta)
                                                          : CPoint(center.x + nDelta, center.y);
        slider->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(center.x, center.y));
        slider->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        slider->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    }

    std::string DragInnerSlider()
    {
        std::vector<CVrxPSlider*> shown;
        for (CVrxPSlider* slider : site.Manager()->GetSliders())
            if (slider->IsWindowVisible())
                shown.push_back(slider);
        if (shown.empty())
            return "drag (no inner slider)";
        CVrxPSlider* slider = shown[size_t(Pick(int(shown.size())))];
        CVrxPBarContainer* node = site.Root()->FindNode(slider, CVrxPBarContainer::bySlider);
        const BOOL bAlongY = slider->IsAlignedHorizontally();
        const auto extent = [bAlongY](const CRect& rect) { return bAlongY ? rect.Height() : rect.Width(); };
        const auto minimum = [bAlongY](CSize size) { return int(bAlongY ? size.cy : size.cx); };
        const auto sideExtent = [&](BOOL bFirst) {
            CRect rect;
            if (CVrxPDockingControlBar* pane = node->GetPane(bFirst))
                pane->GetWindowRect(&rect);
            else if (CVrxPBarContainer* child = node->GetChild(bFirst))
                child->GetWindowRect(rect, FALSE);
            return extent(rect);
        };
        CSize minFirst;
        CSize minSecond;
        node->GetMinSizeFirst(minFirst);
        node->GetMinSizeSecond(minSecond);
        const BOOL bFitted = sideExtent(TRUE) >= minimum(minFirst) && sideExtent(FALSE) >= minimum(minSecond);
        const int nDelta = Pick(301) - 150;
        Drag(slider, nDelta);
        // Sides that kept their minimum before the drag keep it after.
        if (bFitted)
        {
            EXPECT_GE(sideExtent(TRUE), minimum(minFirst));
            EXPECT_GE(sideExtent(FALSE), minimum(minSecond));
        }
        return "drag slider " + std::to_string(slider->GetSliderId()) + " by " + std::to_string(nDelta);
    }

    std::string DragDefaultSlider()
    {
        const int nDelta = Pick(301) - 150;
        Drag(site.defaultSlider, nDelta);
        area.right = site.InSite(site.defaultSlider).left;
        return "drag the default slider by " + std::to_string(nDelta);
    }

    std::string ResizeFrame()
    {
        area = CRect(0, 0, 250 + Pick(400), 300 + Pick(300));
        site.Layout(CRect(area.left, area.top, area.right + t, area.bottom));
        return "lay out in " + std::to_string(area.Width()) + " x " + std::to_string(area.Height());
    }

    std::mt19937 random;
    std::vector<TestPane*> docked;
    CRect area;
};

TEST(ContainerRandomOperationsTest, KeepsTheTreeWholeAcrossThousandsOfSteps)
{
    for (unsigned nSeed : {1u, 2u, 3u})
    {
        SCOPED_TRACE("seed " + std::to_string(nSeed));
        ContainerRandomOperations run(nSeed);
        run.Start();
        if (::testing::Test::HasFatalFailure())
            return;
        for (int nStep = 0; nStep < 1000 && !::testing::Test::HasFailure(); ++nStep)
        {
            const std::string what = run.Step();
            run.CheckInvariants("step " + std::to_string(nStep) + ": " + what);
        }
        run.CheckStoredTree();
    }
}
} // namespace
