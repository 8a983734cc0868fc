// Prints how long a bar drag step and a full frame layout with 20 docked
// bars take, repaint included; not run by ctest (it needs a display).

#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockBarRow.h"
#include "docking/tests/DockingTestBars.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace
{
void Pump()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessage(&msg);
}

// Median and spread (fastest, 90th percentile, slowest) of single runs.
void Measure(const char* name, int nRuns, const std::function<void(int)>& run)
{
    std::vector<double> times;
    for (int i = 0; i < nRuns; i++)
    {
        const auto start = std::chrono::steady_clock::now();
        run(i);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        Pump();
    }
    std::sort(times.begin(), times.end());
    printf("%-44s median %7.3f ms  min %7.3f  p90 %7.3f  max %7.3f  (%d runs)\n", name, times[times.size() / 2],
           times.front(), times[times.size() * 9 / 10], times.back(), nRuns);
}

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
    Pump();

    ToolbarLikeBar& dragged = *bars[4];
    CVrxPDockBar* pTop = dragged.GetDockSite();
    Measure("one drag step in a row (layout and repaint)", 200, [&](int i) {
        const int dx = i % 2 == 0 ? 6 : -6;
        dragged.OffsetSavedRect(dx, 0);
        pTop->MoveBar(&dragged, dx, 0);
        frame.UpdateWindow();
        pTop->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    });
    Measure("full layout with 20 bars (frame resized)", 200, [&](int i) {
        frame.SetClientSize(i % 2 == 0 ? 880 : 900, 700);
        Repaint(frame);
    });
    Measure("full layout with 20 bars (same size)", 200, [&](int) {
        frame.RecalcLayout();
        Repaint(frame);
    });
    Measure("full layout with 20 bars, no repaint", 200, [&](int) { frame.RecalcLayout(); });
    Measure("repaint of the frame and its bars", 200, [&](int) { Repaint(frame); });
    frame.DestroyWindow();
    return 0;
}
