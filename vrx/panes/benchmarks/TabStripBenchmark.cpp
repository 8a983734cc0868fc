// Prints how long laying out and painting a 100-tab strip takes, and one
// activation, one scroll step and one drag step with their repaint; not run
// by ctest (it needs a display).

#include "foundation/VrxPLibrary.h"
#include "panes/CVrxPTabWnd.h"

#include "foundation/benchmarks/VrxPBenchmarkRuns.h"

#include <cstdio>
#include <memory>
#include <vector>

int main()
{
    VrxPStartLibrary();
    CWnd host;
    if (!host.CreateEx(0, "#32770", "tab strip benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                       CRect(0, 0, 1000, 300), nullptr, 0))
        return 1;
    std::vector<std::unique_ptr<CWnd>> pages;
    for (int nStyle : {CVrxPTabWnd::TabStyleRectangular, CVrxPTabWnd::TabStyleRectangularScrolled,
                       CVrxPTabWnd::TabStyleSlanted})
    {
        CVrxPTabWnd strip;
        if (!strip.Create(nStyle, CRect(0, 0, 980, 260), &host, 1, CVrxPBaseTabWnd::locationTop, TRUE))
            return 1;
        for (int i = 0; i < 100; i++)
        {
            auto page = std::make_unique<CWnd>();
            CString label;
            label.Format("Document %d.c", i + 1);
            if (!page->CreateEx(0, "STATIC", label, WS_CHILD, CRect(0, 0, 10, 10), &strip, 100 + static_cast<UINT>(i)))
                return 1;
            strip.AppendTab(page.get(), label);
            pages.push_back(std::move(page));
        }
        char name[96];
        snprintf(name, sizeof(name), "style %d: layout and paint of 100 tabs", nStyle);
        VrxPMeasureRuns(name, 50, [&](int) {
            strip.ArrangeTabs();
            strip.UpdateWindow();
        });
        snprintf(name, sizeof(name), "style %d: activate a tab, repaint", nStyle);
        VrxPMeasureRuns(name, 50, [&](int i) {
            strip.ActivateTab((i * 37) % 100);
            strip.UpdateWindow();
        });
        if (strip.HasScrollButtons())
        {
            snprintf(name, sizeof(name), "style %d: one scroll step, repaint", nStyle);
            strip.ScrollToFirst();
            VrxPMeasureRuns(name, 50, [&](int i) {
                if (i % 20 < 10)
                    strip.ScrollNext();
                else
                    strip.ScrollPrevious();
                strip.UpdateWindow();
            });
        }

        // The second tab dragged onto the third and back: each step makes
        // two tabs change places, with the layout and repaint that follow.
        snprintf(name, sizeof(name), "style %d: one drag step, repaint", nStyle);
        strip.ScrollToFirst();
        strip.ActivateTab(1);
        CRect rectSecond;
        CRect rectThird;
        strip.TabRectAt(1, rectSecond);
        strip.TabRectAt(2, rectThird);
        const CPoint second = rectSecond.CenterPoint();
        const CPoint third = rectThird.CenterPoint();
        strip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(second.x, second.y));
        VrxPMeasureRuns(name, 50, [&](int i) {
            const CPoint point = i % 2 == 0 ? third : second;
            strip.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(point.x, point.y));
            strip.UpdateWindow();
        });
        strip.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(second.x, second.y));
        if (!strip.IsReorderDragging() && strip.TabAt(1)->label == "Document 2.c")
            printf("style %d: the drag ended with the tab back at its place\n", nStyle);
        else
            printf("style %d: the drag did not run as intended\n", nStyle);

        strip.DestroyWindow();
        pages.clear();
    }
    host.DestroyWindow();
    return 0;
}
