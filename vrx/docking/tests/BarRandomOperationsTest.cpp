// Thousands of random bar operations (dock, float, dock again, hide, show,
// drag steps, frame resizing) with the dock sites' invariants checked after
// each one, and the bars' records stored and restored at the end.

#include "docking/CVrxPControlBar.h"
#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockBarRow.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/tests/DockingTestBars.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace
{
const char testRoot[] = "Software\\korvo vrx bar operations tests";
const char profile[] = "Software\\korvo vrx bar operations tests\\";
const DWORD kSides[] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};
const UINT kDockBarIds[] = {CVrxPDockBar::idTop, CVrxPDockBar::idBottom, CVrxPDockBar::idLeft, CVrxPDockBar::idRight};

int Across(const CRect& rect, BOOL bHorizontal)
{
    return bHorizontal ? rect.Height() : rect.Width();
}

// What is wrong with the frame's dock sites, empty when nothing is.
std::string CheckInvariants(DockingTestFrame& frame, const std::vector<std::unique_ptr<ToolbarLikeBar>>& bars)
{
    std::ostringstream fault;
    CVrxPFrameBarManager& manager = frame.GetBarManager();
    CRect rectFree;
    frame.GetClientRect(&rectFree);
    for (DWORD dwSide : kSides)
    {
        CVrxPDockBar* pSite = manager.FindDockBar(dwSide, TRUE);
        const BOOL bHorizontal = pSite->IsAlignedHorizontally();
        CRect rectSite;
        pSite->GetWindowRect(&rectSite);
        frame.ScreenToClient(&rectSite);
        int nOffset = 0;
        INT_PTR nBarsInRows = 0;
        for (POSITION pos = pSite->GetRows().GetHeadPosition(); pos != NULL;)
        {
            const CVrxPDockBarRow* pRow = pSite->GetRows().GetNext(pos);
            if (pRow->IsEmpty())
                fault << "an empty row stays in dock bar " << dwSide << "; ";
            if (pRow->IsVisible() && pRow->GetOffset() != nOffset)
                fault << "row offset " << pRow->GetOffset() << " instead of " << nOffset << "; ";
            BOOL bAnyVisible = FALSE;
            for (POSITION barPos = pRow->GetBars().GetHeadPosition(); barPos != NULL;)
            {
                CVrxPControlBar* pBar = pRow->GetBars().GetNext(barPos);
                nBarsInRows++;
                if (pBar->GetDockBarRow() != pRow || pBar->GetDockSite() != pSite)
                    fault << "bar " << pBar->GetDlgCtrlID() << " does not name its row and site; ";
                if (pSite->GetDockedBars().Find(pBar) == NULL)
                    fault << "bar " << pBar->GetDlgCtrlID() << " is in a row but not docked; ";
                if ((pBar->GetStyle() & WS_VISIBLE) == 0)
                    continue;
                bAnyVisible = TRUE;
                CRect rectBar;
                pBar->GetWindowRect(&rectBar);
                pSite->ScreenToClient(&rectBar);
                const int nStart = bHorizontal ? rectBar.top : rectBar.left;
                if (pRow->IsVisible() && (nStart < pRow->GetOffset() ||
                                          nStart + Across(rectBar, bHorizontal) > pRow->GetOffset() + pRow->GetExtent()))
                    fault << "bar " << pBar->GetDlgCtrlID() << " lies at " << nStart << ".."
                          << nStart + Across(rectBar, bHorizontal) << " outside its row at " << pRow->GetOffset()
                          << ".." << pRow->GetOffset() + pRow->GetExtent() << " of side " << dwSide << "; ";
            }
            if (bAnyVisible != pRow->IsVisible())
                fault << "a row's visibility differs from its bars'; ";
            if (pRow->IsVisible())
                nOffset += pRow->GetExtent();
        }
        if (nBarsInRows != pSite->GetDockedBars().GetCount())
            fault << "dock bar " << dwSide << " lists " << pSite->GetDockedBars().GetCount() << " bars, its rows "
                  << nBarsInRows << "; ";
        if (pSite->GetThickness() != nOffset || Across(rectSite, bHorizontal) != nOffset)
            fault << "dock bar " << dwSide << " is " << Across(rectSite, bHorizontal) << " thick, its rows " << nOffset
                  << "; ";
        switch (dwSide)
        {
        case CBRS_ALIGN_TOP:
            rectFree.top += nOffset;
            break;
        case CBRS_ALIGN_BOTTOM:
            rectFree.bottom -= nOffset;
            break;
        case CBRS_ALIGN_LEFT:
            rectFree.left += nOffset;
            break;
        default:
            rectFree.right -= nOffset;
            break;
        }
    }
    CRect rectMdi;
    ::GetWindowRect(frame.m_hWndMDIClient, &rectMdi);
    frame.ScreenToClient(&rectMdi);
    if (rectMdi != rectFree || manager.GetOuterRect() != rectFree)
    {
        PrintTo(rectMdi, &fault);
        PrintTo(manager.GetOuterRect(), &fault);
        PrintTo(rectFree, &fault);
        fault << " the client area is not the inside less the dock bars; ";
    }
    for (const std::unique_ptr<ToolbarLikeBar>& pBar : bars)
    {
        const BOOL bFloating = pBar->FindMiniFrameParent() != nullptr;
        if (bFloating == (pBar->GetDockSite() != nullptr))
            fault << "bar " << pBar->GetDlgCtrlID() << " is both or neither floating and docked; ";
    }
    return fault.str();
}

class BarRandomOperationsTest : public ::testing::TestWithParam<unsigned>
{
protected:
    void SetUp() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot); }
    void TearDown() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot); }
};

TEST_P(BarRandomOperationsTest, KeepsTheDockSitesConsistent)
{
    const unsigned seed = GetParam();
    std::mt19937 random(seed);
    auto pick = [&random](int nLow, int nHigh) { return std::uniform_int_distribution<int>(nLow, nHigh)(random); };

    DockingTestFrame frame;
    ASSERT_TRUE(frame.CreateWithClient(500, 400));
    std::vector<std::unique_ptr<ToolbarLikeBar>> bars;
    for (int i = 0; i < 6; i++)
    {
        bars.push_back(std::make_unique<ToolbarLikeBar>(60 + 20 * i, 22 + 2 * (i % 3), 30));
        ASSERT_TRUE(bars.back()->CreateIn(&frame, static_cast<UINT>(200 + i)));
        frame.GetBarManager().DockControlBar(bars.back().get(), kDockBarIds[i % 4], nullptr);
    }

    const int nSteps = 1500;
    for (int nStep = 0; nStep < nSteps; nStep++)
    {
        ToolbarLikeBar& bar = *bars[static_cast<size_t>(pick(0, 5))];
        const int nOperation = pick(0, 6);
        std::ostringstream what;
        switch (nOperation)
        {
        case 0:
        {
            const int nSide = pick(0, 3);
            what << "dock at side " << nSide;
            if (bar.GetDockSite() != nullptr || bar.FindMiniFrameParent() != nullptr)
                break;
            frame.GetBarManager().DockControlBar(&bar, kDockBarIds[nSide], nullptr);
            break;
        }
        case 1:
            what << "float";
            bar.FloatBar(CRect(CPoint(pick(0, 600), pick(0, 500)), CSize(10, 10)), CVrxPControlBar::dockByWindowMenu,
                         TRUE);
            break;
        case 2:
            what << "dock again";
            if (bar.FindMiniFrameParent() != nullptr)
                bar.DockToTarget(nullptr, nullptr, CVrxPControlBar::dockToRecentPlace);
            break;
        case 3:
            what << "hide or show";
            bar.SetBarShown((bar.GetStyle() & WS_VISIBLE) == 0, FALSE, FALSE);
            break;
        case 4:
        {
            const int dx = pick(-40, 40);
            const int dy = pick(-40, 40);
            what << "drag step " << dx << "," << dy;
            if (CVrxPDockBar* pSite = bar.GetDockSite())
            {
                bar.OffsetSavedRect(dx, dy);
                pSite->MoveBar(&bar, dx, dy);
                // The button goes up: the row takes the bars' places again.
                if (CVrxPDockBarRow* pRow = bar.GetDockBarRow())
                    pRow->RestoreBarPositions(0, nullptr);
            }
            break;
        }
        default:
        {
            const int cx = pick(150, 700);
            const int cy = pick(150, 500);
            what << "frame " << cx << " x " << cy;
            frame.SetClientSize(cx, cy);
            break;
        }
        }
        const std::string fault = CheckInvariants(frame, bars);
        ASSERT_EQ("", fault) << "seed " << seed << ", step " << nStep << ": bar " << bar.GetDlgCtrlID() << " "
                             << what.str();
    }

    // The records come back the same on new bars.
    for (const std::unique_ptr<ToolbarLikeBar>& pBar : bars)
        ASSERT_TRUE(pBar->StoreToRegistry(profile, -1, -1)) << "seed " << seed;
    for (const std::unique_ptr<ToolbarLikeBar>& pBar : bars)
    {
        ToolbarLikeBar restored;
        ASSERT_TRUE(restored.CreateIn(&frame, static_cast<UINT>(pBar->GetDlgCtrlID() + 100)));
        ASSERT_TRUE(restored.RestoreFromRegistry(profile, pBar->GetDlgCtrlID(), -1)) << "seed " << seed;
        EXPECT_EQ(pBar->GetDockHistory().recentFloatRect, restored.GetDockHistory().recentFloatRect);
        EXPECT_EQ(pBar->GetDockHistory().recentDockedRect, restored.GetRestoredDockedRect());
        EXPECT_EQ(pBar->GetDockHistory().recentAlignment, restored.GetDockHistory().recentAlignment);
        EXPECT_EQ(pBar->GetDockHistory().recentRowIndex, restored.GetDockHistory().recentRowIndex);
        EXPECT_EQ(pBar->IsFloatingInMiniFrame(), restored.GetRestoredFloating());
        EXPECT_EQ(pBar->IsBarVisible(), restored.GetSavedVisibility());
        restored.DestroyWindow();
    }
    for (const std::unique_ptr<ToolbarLikeBar>& pBar : bars)
        if (CVrxPMiniFrameWnd* pMiniFrame = pBar->FindMiniFrameParent())
        {
            pBar->SetParent(&frame);
            pMiniFrame->ReleaseHostedBar();
        }
    frame.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Seeds, BarRandomOperationsTest, ::testing::Values(1u, 2u, 3u));
} // namespace
