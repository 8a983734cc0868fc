// Prints how long laying out and painting a 100-tab strip takes, and one
// activation and one scroll step with their repaint; not run by ctest (it
// needs a display).

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
        strip.DestroyWindow();
        pages.clear();
    }
    host.DestroyWindow();
    return 0;
}
