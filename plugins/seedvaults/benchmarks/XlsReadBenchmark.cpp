// Reads one .xls file with XlsWorkbook, then every cell of its sheets, and
// prints how long the load and the whole took and the process's peak memory.
// Figures only.
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
  double load_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!loaded) {
    std::fprintf(stderr, "not loaded: %s\n", workbook.error().c_str());
    return 1;
  }
  // Every value is read, as a converter reads them, so that cells the sheets
  // keep in the stream until asked for are counted in the time.
  unsigned long long cells = 0;
  double sum = 0;
  for (int index = 0; index < workbook.sheet_count(); ++index) {
    const XlsSheet* sheet = workbook.sheet(index);
    for (unsigned row = 0; row < sheet->row_count(); ++row)
      for (unsigned column = 0; column < sheet->column_count(); ++column) {
        XlsCell cell = sheet->find_cell(row, column);
        if (cell.type() != kCellUndefined)
          ++cells;
        sum += cell.type() == kCellFloat ? cell.float_value() : double(cell.integer_value() + cell.text_length());
      }
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  std::printf("ours_seconds %.4f\n", seconds);
  std::printf("ours_load_seconds %.4f\n", load_seconds);
  std::printf("ours_cells %llu\n", cells);
  std::printf("ours_value_sum %.17g\n", sum);
  std::printf("ours_peak_working_set_mb %.1f\n", static_cast<double>(counters.PeakWorkingSetSize) / 1048576.0);
  std::printf("ours_peak_pagefile_mb %.1f\n", static_cast<double>(counters.PeakPagefileUsage) / 1048576.0);
  return 0;
}
