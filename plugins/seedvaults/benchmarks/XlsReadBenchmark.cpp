// Reads one .xls file with XlsWorkbook and prints how long it took and the
// process's peak memory. Figures only.
#include "XlsWorkbook.h"
#include <windows.h>
#include <psapi.h>
#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: seedvaults_read_benchmark <file.xls>\n");
    return 2;
  }
  XlsWorkbook workbook;
  auto start = std::chrono::steady_clock::now();
  bool loaded = workbook.load_file(argv[1]);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!loaded) {
    std::fprintf(stderr, "not loaded: %s\n", workbook.error().c_str());
    return 1;
  }
  unsigned long long cells = 0;
  for (int index = 0; index < workbook.sheet_count(); ++index)
    for (const auto& row : workbook.sheet(index)->placed_rows())
      cells += row.size();
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  std::printf("ours_seconds %.4f\n", seconds);
  std::printf("ours_cells %llu\n", cells);
  std::printf("ours_peak_working_set_mb %.1f\n", static_cast<double>(counters.PeakWorkingSetSize) / 1048576.0);
  std::printf("ours_peak_pagefile_mb %.1f\n", static_cast<double>(counters.PeakPagefileUsage) / 1048576.0);
  return 0;
}
