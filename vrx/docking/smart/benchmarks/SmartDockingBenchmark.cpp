// Prints how long one step of a marker-style drag takes: the pane under the
// cursor found, the diamond moved over it, the markers hit-tested and the
// highlight moved, windows painted; not run by ctest (it needs a display).

#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/smart/CVrxPSmartDockingGuide.h"
#include "docking/tests/DockingTestBars.h"

#include "foundation/benchmarks/VrxPBenchmarkRuns.h"

#include <memory>
#include <vector>

int main()
{
    DockingTestFrame frame;
    if (!frame.CreateWithClient(900, 700))
        return 1;
    const DWORD sides[] = {CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT, CBRS_ALIGN_BOTTOM};
    std::vector<std::unique_ptr<CVrxPDockingControlBar>> panes;
    for (DWORD dwSide : sides)
    {
        panes.push_back(std::make_unique<CVrxPDockingControlBar>());
        if (!panes.back()->Create("Pane", &frame, CSize(200, 200), TRUE, UINT(500 + panes.size()),
                                  WS_CHILD | WS_VISIBLE | dwSide, 0x20, 0xF))
            return 1;
        panes.back()->EnableDocking(CBRS_ALIGN_ANY);
        frame.PlaceBarDocked(panes.back().get());
    }
    frame.UpdateWindow();
    VrxPPumpBenchmarkMessages();

    CVrxPFrameBarManager& manager = frame.GetBarManager();
    CVrxPSmartDockingGuide* pGuide = manager.ShowSmartDockingGuide(panes[2].get(), CBRS_ALIGN_ANY);
    if (pGuide == nullptr)
        return 1;
    // The cursor jumps between the left markers of the diamonds over the
    // left and right panes: each step moves the diamond and the highlight.
    VrxPMeasureRuns("one marker drag step (diamond, hit test, highlight)", 200, [&](int i) {
        CVrxPDockingControlBar& target = *panes[i % 2];
        CRect rectTarget;
        target.GetWindowRect(&rectTarget);
        const RECT group = CVrxPSmartDockingLayout::PlaceCentralGroup(rectTarget);
        const CPoint point(group.left + 15, group.top + 44);
        manager.BarFromPoint(point, 0, TRUE, RUNTIME_CLASS(CVrxPDockingControlBar), TRUE, panes[2].get());
        pGuide->PlaceCentralGroup(rectTarget, 1, CBRS_ALIGN_ANY);
        pGuide->ShowCentralGroup(TRUE);
        pGuide->HitTestMarkers(point);
        CRect rectHalf = rectTarget;
        rectHalf.right = rectHalf.left + rectHalf.Width() / 2;
        pGuide->ShowHighlight(rectHalf);
        VrxPPumpBenchmarkMessages();
    });
    pGuide->Hide();
    frame.DestroyWindow();
    return 0;
}
