// Prints how long laying out and painting a docked 200-button toolbar and
// one hot-tracking step take; not run by ctest (it needs a display).

#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarLayout.h"
#include "toolbars/tests/TestMdiFrame.h"

#include "foundation/benchmarks/VrxPBenchmarkRuns.h"

#include <vector>

namespace
{
LPARAM PointAt(const CRect& rect)
{
    return MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
}
} // namespace

int main()
{
    TestMdiFrame frame;
    if (!frame.Create(nullptr, "toolbar benchmark", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1000, 700)))
        return 1;
    frame.AllowDockingSides(CBRS_ALIGN_ANY);
    CVrxPToolBar bar;
    if (!bar.CreateWithDefaultStyle(&frame, 0x50402808, 0xE820))
        return 1;
    for (int i = 0; i < 200; i++)
    {
        CString text;
        text.Format("Cmd %d", i);
        bar.InsertButtonCopy(CVrxPToolbarButton(static_cast<UINT>(0x8000 + i), -1, text));
        if (i % 10 == 9)
            bar.InsertSeparatorAt();
    }
    bar.AllowDocking(CBRS_ALIGN_ANY);
    if (!frame.PlaceBarDocked(&bar))
        return 1;
    frame.ShowWindow(SW_SHOW);
    frame.RecalcLayout();
    PumpMessages();

    VrxPMeasureRuns("200 buttons: measure and place", 200, [&](int) { bar.LayoutButtons(); });
    VrxPMeasureRuns("200 buttons: measure, place and paint", 200, [&](int) {
        bar.LayoutButtons();
        bar.UpdateWindow();
    });
    VrxPMeasureRuns("200 buttons: frame resized, rows wrap, repaint", 200, [&](int i) {
        frame.SetWindowPos(NULL, 0, 0, i % 2 == 0 ? 900 : 1000, 700, SWP_NOMOVE | SWP_NOZORDER);
        frame.RecalcLayout();
        frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    });
    VrxPMeasureRuns("one hot-tracking step (move to next button, paint)", 400, [&](int i) {
        bar.SendMessage(WM_MOUSEMOVE, 0, PointAt(bar.GetButton(i % 2 == 0 ? 50 : 51)->rect));
        bar.UpdateWindow();
    });

    std::vector<VrxPLaidButton> measured(220);
    for (size_t i = 0; i < measured.size(); i++)
    {
        measured[i].separator = i % 11 == 10;
        measured[i].cx = measured[i].separator ? 8 : 40 + static_cast<int>(i % 7);
        measured[i].cy = 22;
    }
    CVrxPToolbarLayout layout(measured, 23, 22, true);
    VrxPMeasureRuns("220 measured entries: fit to 900 px, no window", 200, [&](int) { layout.FitToLength(900, false); });
    frame.DestroyWindow();
    return 0;
}
