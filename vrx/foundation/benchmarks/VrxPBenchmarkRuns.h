#pragma once

// Timing for the library's window benchmarks: each run is timed alone, and
// the messages it left are handled before the next, outside the time.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

inline void VrxPPumpBenchmarkMessages()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessage(&msg);
}

// Prints the median and spread (fastest, 90th percentile, slowest).
inline void VrxPMeasureRuns(const char* name, int nRuns, const std::function<void(int)>& run)
{
    std::vector<double> times;
    for (int i = 0; i < nRuns; i++)
    {
        const auto start = std::chrono::steady_clock::now();
        run(i);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        VrxPPumpBenchmarkMessages();
    }
    std::sort(times.begin(), times.end());
    printf("%-48s median %7.3f ms  min %7.3f  p90 %7.3f  max %7.3f  (%d runs)\n", name, times[times.size() / 2],
           times.front(), times[times.size() * 9 / 10], times.back(), nRuns);
}
