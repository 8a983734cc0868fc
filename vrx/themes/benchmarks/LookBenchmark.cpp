// Prints how long a full repaint of the showcase and a look switch with its
// repaint take; not run by ctest.

#include "../showcase/Showcase.h"

#include "foundation/VrxPLibrary.h"
#include "themes/CVrxPVisualManager.h"
#include "themes/CVrxPVisualManagerVS2005.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{
void Pump()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessage(&msg);
}

void Measure(const char* name, int nRuns, const std::function<void(int)>& run)
{
    std::vector<double> times;
    for (int i = 0; i < nRuns; i++)
    {
        Pump();
        const auto start = std::chrono::steady_clock::now();
        run(i);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    printf("%-44s median %7.2f ms  min %7.2f  p90 %7.2f  max %7.2f  (%d runs)\n", name, times[n / 2], times[0],
           times[n * 9 / 10], times[n - 1], nRuns);
}
} // namespace

int main()
{
    VrxPStartLibrary();
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManager));
    Showcase showcase;
    if (!showcase.Open())
    {
        printf("the showcase could not be opened\n");
        return 1;
    }
    for (int i = 0; i < 10; i++)
        Pump();
    Measure("full repaint of the showcase", 50, [&](int) { showcase.Repaint(); });
    Measure("look switch (base <-> VS2005) with repaint", 50, [&](int i) {
        CVrxPVisualManager::SelectClass(i % 2 == 0 ? RUNTIME_CLASS(CVrxPVisualManagerVS2005)
                                                   : RUNTIME_CLASS(CVrxPVisualManager));
        showcase.Repaint();
    });
    return 0;
}
