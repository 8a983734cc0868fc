// Prints how long a bar drag step and a full frame layout with 20 docked
// bars take, repaint included; not run by ctest (it needs a display).

#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockBarRow.h"
#include "docking/tests/DockingTestBars.h"

#include "foundation/benchmarks/VrxPBenchmarkRuns.h"

#include <memory>
#include <vector>

namespace
{
void Repaint(CWnd& frame)
{
    frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
} // namespace

int main()
{
    DockingTestFrame frame;
    if (!frame.CreateWithClient(900, 700))
        return 1;
    const UINT ids[] = {CVrxPDockBar::idTop, CVrxPDockBar::idBottom, CVrxPDockBar::idLeft, CVrxPDockBar::idRight};
    std::vector<std::unique_ptr<ToolbarLikeBar>> bars;
    for (int i = 0; i < 20; i++)
    {
        bars.push_back(std::make_unique<ToolbarLikeBar>(80 + 10 * (i % 5), 24, 30));
        if (!bars.back()->CreateIn(&frame, static_cast<UINT>(400 + i)))
            return 1;
        CVrxPDockBar* pSite = frame.GetBarManager().FindDockBar(
            i % 4 == 0 ? CBRS_ALIGN_TOP : i % 4 == 1 ? CBRS_ALIGN_BOTTOM : i % 4 == 2 ? CBRS_ALIGN_LEFT
                                                                                      : CBRS_ALIGN_RIGHT,
            TRUE);
        // Two rows per side, the bars of each row side by side.
        ToolbarLikeBar& bar = *bars.back();
        const int nAlong = 100 * ((i / 4) / 2);
        bar.GetDockHistory().recentDockedRect = pSite->IsAlignedHorizontally()
                                                    ? CRect(nAlong, 0, nAlong + bar.length, bar.thickness)
                                                    : CRect(0, nAlong, bar.thickness, nAlong + bar.length);
        CRect rectRow = bar.GetDockHistory().recentDockedRect;
        pSite->ClientToScreen(&rectRow);
        const BOOL bNewRow = (i / 4) % 2 == 0;
        frame.GetBarManager().DockControlBar(&bar, ids[i % 4], bNewRow ? nullptr : &rectRow);
    }
    Repaint(frame);
    VrxPPumpBenchmarkMessages();

    ToolbarLikeBar& dragged = *bars[4];
    CVrxPDockBar* pTop = dragged.GetDockSite();
    VrxPMeasureRuns("one drag step in a row (layout and repaint)", 200, [&](int i) {
        const int dx = i % 2 == 0 ? 6 : -6;
        dragged.OffsetSavedRect(dx, 0);
        pTop->MoveBar(&dragged, dx, 0);
        frame.UpdateWindow();
        pTop->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    });
    VrxPMeasureRuns("full layout with 20 bars (frame resized)", 200, [&](int i) {
        frame.SetClientSize(i % 2 == 0 ? 880 : 900, 700);
        Repaint(frame);
    });
    VrxPMeasureRuns("full layout with 20 bars (same size)", 200, [&](int) {
        frame.RecalcLayout();
        Repaint(frame);
    });
    VrxPMeasureRuns("full layout with 20 bars, no repaint", 200, [&](int) { frame.RecalcLayout(); });
    VrxPMeasureRuns("repaint of the frame and its bars", 200, [&](int) { Repaint(frame); });
    frame.DestroyWindow();
    return 0;
}
