// How long a full repaint of the showcase and a look switch with its
// repaint take. The showcase program runs it as its disabled benchmark test.

#include "LookBenchmark.h"

#include "Showcase.h"
#include "ShowcaseLooks.h"

#include "themes/2007/CVrxPVisualManager2007.h"
#include "themes/CVrxPVisualManager.h"

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

// Figures go to the console and to "looks_benchmark.txt": a program run in
// a virtual desktop has no console to show.
FILE* g_pFigures = nullptr;

void Print(const char* lpszLine)
{
    fputs(lpszLine, stdout);
    if (g_pFigures != nullptr)
        fputs(lpszLine, g_pFigures);
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
    char line[200];
    snprintf(line, sizeof(line), "%-44s median %7.2f ms  min %7.2f  p90 %7.2f  max %7.2f  (%d runs)\n", name,
             times[n / 2], times[0], times[n * 9 / 10], times[n - 1], nRuns);
    Print(line);
}
} // namespace

int RunLookBenchmark()
{
    g_pFigures = fopen("looks_benchmark.txt", "w");
    CVrxPVisualManager::SelectClass(RUNTIME_CLASS(CVrxPVisualManager));
    Showcase showcase;
    if (!showcase.Open())
    {
        Print("the showcase could not be opened\n");
        fclose(g_pFigures);
        return 1;
    }
    for (int i = 0; i < 10; i++)
        Pump();
    char name[80];
    for (const ShowcaseLook& look : ShowcaseLooks())
    {
        SelectShowcaseLook(look);
        for (int i = 0; i < 10; i++)
            Pump();
        snprintf(name, sizeof(name), "full repaint of the showcase (%s)", look.name.c_str());
        Measure(name, 50, [&](int) { showcase.Repaint(); });
        snprintf(name, sizeof(name), "look switch base -> %s with repaint", look.name.c_str());
        const ShowcaseLook& baseLook = ShowcaseLooks().front();
        Measure(name, 50, [&](int i) {
            SelectShowcaseLook(i % 2 == 0 ? look : baseLook);
            showcase.Repaint();
        });
    }
    // The 2007 look's palette with its style: the markup read and every
    // strip it names loaded.
    {
        CVrxPVisualManager2007 look(TRUE);
        Measure("2007 palette with its style (markup and strips)", 50, [&](int) { look.ReloadPalette(); });
    }
    SelectShowcaseLook(ShowcaseLooks().front());
    if (g_pFigures != nullptr)
        fclose(g_pFigures);
    return 0;
}
