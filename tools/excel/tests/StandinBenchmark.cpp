// Timings of the workbook server, run by hand; prints figures.
//   the .xls form of a large sheet, written and read in process;
//   calls into the server process: one cell at a time, as the exchange's
//   export writes, and whole blocks through Value2.
#include "AutomationClient.h"
#include "DispatchIds.h"
#include "WorkbookFile.h"
#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds_since(Clock::time_point start)
{
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void benchmark_file()
{
  constexpr uint32_t rows = 5000, columns = 20;
  WorkbookModel workbook = WorkbookModel::make_new();
  for (uint32_t row = 1; row <= rows; ++row)
    for (uint32_t column = 1; column <= columns; ++column)
      if (column % 2)
        workbook.sheet(0)->set_value(row, column, double(row * column) + 0.5);
      else
        workbook.sheet(0)->set_value(row, column, u"text " + std::u16string(column, u'x'));
  Clock::time_point start = Clock::now();
  std::vector<uint8_t> bytes = WorkbookFile::write(workbook);
  std::printf("write %u x %u cells: %.1f ms, %zu bytes\n", rows, columns, milliseconds_since(start), bytes.size());
  start = Clock::now();
  WorkbookModel read;
  std::string reason;
  bool done = WorkbookFile::read(bytes, read, reason);
  std::printf("read them back: %.1f ms%s\n", milliseconds_since(start), done ? "" : " (failed)");
}

void benchmark_calls()
{
  HRESULT code = E_FAIL;
  Clock::time_point start = Clock::now();
  Dispatch application = Dispatch::create(L"Excel.Application", code);
  if (!application) {
    std::printf("Excel.Application cannot be created (0x%08lX)\n", static_cast<unsigned long>(code));
    return;
  }
  std::printf("start the server: %.1f ms\n", milliseconds_since(start));
  Dispatch workbook = application.object(kDispidWorkbooks).object(kDispidAdd);
  Dispatch sheet = workbook.object(kDispidWorksheets).object(kDispidItem, {Variant::of_short(1)});

  constexpr unsigned single_cells = 2000;
  start = Clock::now();
  for (unsigned i = 0; i < single_cells; ++i) {
    Dispatch cells = sheet.object(kDispidCells);
    cells.put(kDispidItem, Variant(L"field"), {Variant::of_unsigned(i / 5 + 1), Variant::of_unsigned(i % 5 + 1)});
  }
  double elapsed = milliseconds_since(start);
  std::printf("%u cells one by one (Cells, then Item): %.1f ms, %.3f ms a cell\n", single_cells, elapsed,
              elapsed / single_cells);

  constexpr long rows = 1000, columns = 10;
  std::vector<std::vector<Variant>> table(rows, std::vector<Variant>(columns, Variant(12.5)));
  Variant values = Variant::array(table);
  Dispatch block = sheet.object(kDispidRange, {Variant(L"A1"), Variant(L"J1000")});
  start = Clock::now();
  block.put(kDispidValue2, values);
  std::printf("put %ld x %ld values through Value2: %.1f ms\n", rows, columns, milliseconds_since(start));
  start = Clock::now();
  CallOutcome read = block.call(kDispidValue2);
  std::printf("get them through Value2: %.1f ms%s\n", milliseconds_since(start), SUCCEEDED(read.code) ? "" : " (failed)");
  application.call(kDispidQuit);
}

}

int main()
{
  benchmark_file();
  CoInitialize(nullptr);
  benchmark_calls();
  CoUninitialize();
  return 0;
}
