// Prints how long a full layout of a 20-pane container tree on a frame
// resize and one slider drag step take, repaint included; not run by ctest
// (it needs a display).

#include "docking/containers/tests/ContainerTestSite.h"

#include "foundation/benchmarks/VrxPBenchmarkRuns.h"

namespace
{
void Repaint(CWnd& site)
{
    site.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
} // namespace

int main()
{
    ContainerTestSite site;
    if (!site.Create(1200, 900))
        return 1;
    TestPane* first = site.NewPane(CSize(20, 20));
    if (first == nullptr || !site.defaultSlider->AddPane(first))
        return 1;
    site.Layout(CRect(0, 0, 800 + ContainerTestSite::thickness, 900));
    // Twenty panes: each new one splits an earlier one, across and along
    // by turns, so the tree is several levels deep.
    static const DWORD sides[] = {CBRS_ALIGN_RIGHT, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_TOP};
    for (int i = 1; i < 20; i++)
    {
        TestPane* existing = site.panes[size_t((i * 7) % i)].get();
        TestPane* pane = site.NewPane(CSize(20, 20), CRect(0, 0, 200, 200));
        if (pane == nullptr || !site.defaultSlider->InsertPaneBeside(pane, existing, sides[i % 4]))
            return 1;
    }
    Repaint(site.site);
    VrxPPumpBenchmarkMessages();

    VrxPMeasureRuns("full layout of 20 panes (frame resized)", 200, [&](int i) {
        site.Layout(CRect(0, 0, (i % 2 == 0 ? 760 : 800) + ContainerTestSite::thickness, i % 2 == 0 ? 860 : 900));
        site.site.UpdateWindow();
        Repaint(site.site);
    });
    VrxPMeasureRuns("full layout of 20 panes, no repaint", 200, [&](int i) {
        site.Layout(CRect(0, 0, (i % 2 == 0 ? 760 : 800) + ContainerTestSite::thickness, i % 2 == 0 ? 860 : 900));
    });
    VrxPMeasureRuns("repaint of the site and its panes", 200, [&](int) { Repaint(site.site); });
    CVrxPSlider* inner = site.Manager()->GetSliders().front();
    VrxPMeasureRuns("one inner slider drag step (layout and repaint)", 200, [&](int i) {
        inner->MoveSlider(i % 2 == 0 ? CSize(6, 6) : CSize(-6, -6));
        site.site.UpdateWindow();
        Repaint(site.site);
    });
    VrxPMeasureRuns("one default slider drag step (layout and repaint)", 200, [&](int i) {
        site.defaultSlider->MoveSlider(i % 2 == 0 ? CSize(6, 0) : CSize(-6, 0));
        site.site.UpdateWindow();
        Repaint(site.site);
    });
    return 0;
}
