// Docked panes in a frame, in a virtual desktop: "Output" along the
// bottom, "Properties" and "Log" beside each other at the right split by
// an inner slider, and "Alpha" and "Beta" joined as two tabs at the left;
// the screen is kept.

#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/tests/DockingViewHarness.h"
#include "foundation/VrxPLibrary.h"
#include "panes/CVrxPTabbedControlBar.h"

#include <memory>
#include <vector>

namespace
{
using Harness = DockingViewHarness;
const int t = CVrxPSlider::defaultThickness;

TEST(DockedPanesView, PanesBesideEachOtherAndATabPair)
{
    VrxPStartLibrary();
    DockingTestFrame frame;
    ASSERT_TRUE(frame.CreateWithClient(640, 440));
    std::vector<std::unique_ptr<CVrxPDockingControlBar>> panes;
    const auto dock = [&](const char* lpszName, DWORD dwSide, int nSize) {
        auto pane = std::make_unique<CVrxPDockingControlBar>();
        EXPECT_TRUE(pane->Create(lpszName, &frame, CSize(nSize, nSize), TRUE, UINT(300 + panes.size()),
                                 WS_CHILD | WS_VISIBLE | dwSide, 0x20, 0xF));
        EXPECT_TRUE(frame.PlaceBarDocked(pane.get()));
        panes.push_back(std::move(pane));
        return panes.back().get();
    };
    CVrxPDockingControlBar* output = dock("Output", CBRS_ALIGN_BOTTOM, 120);
    CVrxPDockingControlBar* properties = dock("Properties", CBRS_ALIGN_RIGHT, 200);
    CVrxPDockingControlBar* alpha = dock("Alpha", CBRS_ALIGN_LEFT, 160);
    CVrxPDockingControlBar* log = dock("Log", CBRS_ALIGN_LEFT, 160);
    CVrxPDockingControlBar* beta = dock("Beta", CBRS_ALIGN_LEFT, 160);
    ASSERT_TRUE(log->DockBesidePane(properties, CBRS_ALIGN_BOTTOM));
    ASSERT_EQ(beta, beta->JoinIntoTabs(alpha, TRUE));
    frame.RecalcLayout();
    frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Harness::LetTheDesktopCatchUp();

    EXPECT_EQ(CRect(0, 320, 640, 440), RectInClient(output->GetSafeHwnd(), frame));
    const CRect rectProperties = RectInClient(properties->GetSafeHwnd(), frame);
    const CRect rectLog = RectInClient(log->GetSafeHwnd(), frame);
    EXPECT_EQ(CRect(440, 0, 640, 316), CRect(rectProperties.left, rectProperties.top, rectLog.right, rectLog.bottom));
    EXPECT_EQ(rectProperties.bottom + t, rectLog.top) << "an inner slider between them";
    CVrxPBaseTabbedBar* pGroup = alpha->GetTabbedBar();
    ASSERT_NE(nullptr, pGroup);
    EXPECT_EQ(2, pGroup->GetTabCount());
    EXPECT_EQ(CRect(0, 0, 160, 316), RectInClient(pGroup->GetSafeHwnd(), frame));
    CString caption;
    pGroup->GetWindowText(caption);
    EXPECT_EQ(CString("Beta"), caption);
    EXPECT_EQ(160 - 17, pGroup->FindCaptionButton(CVrxPMiniFrameTitleButton::hitPaneClose)->GetRect().left)
        << "the group's close button at its caption's right end, leaving the text its room";
    windriver::save_screen(Harness::Shot());
    frame.DestroyWindow();
}
} // namespace

int main(int argc, char** argv)
{
    return DockingViewHarness::Run(argc, argv, "vrx_docked_panes.bmp");
}
