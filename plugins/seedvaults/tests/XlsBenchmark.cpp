// Prints how long the workbook reader, writer and row walk take on large
// sheets. Figures only: nothing here passes or fails on time.
#include "PresetConverter.h"
#include "TestWorkbooks.h"
#include "XlsWorkbook.h"
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

double milliseconds(const std::function<void()>& work)
{
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}

int main()
{
  const unsigned rows = 60000;
  XlsWorkbook written;
  written.reset_to_new(1);
  XlsSheet* sheet = written.find_worksheet("Sheet1");
  for (unsigned row = 0; row < rows; ++row) {
    sheet->cell(row, 0)->set_narrow_text(row % 50 == 0 ? "*Satellite" : "Program " + std::to_string(row % 997));
    for (unsigned column = 1; column < 15; ++column)
      sheet->cell(row, column)->set_integer(int(row * column));
  }
  std::vector<uint8_t> bytes;
  double save = milliseconds([&] { bytes = written.save_bytes(); });
  XlsWorkbook read;
  double load = milliseconds([&] { read.load_bytes(bytes); });
  std::printf("%u rows x 15 columns (%zu bytes): save %.1f ms, load %.1f ms\n", rows, bytes.size(), save, load);

  TemporaryFile file("benchmark.xls");
  file.write(bytes);
  PresetConverter converter;
  int data_rows = 0;
  double count = milliseconds([&] {
    converter.load(file.path());
    data_rows = converter.count_data_rows();
  });
  std::printf("load from file and count %d data rows: %.1f ms\n", data_rows, count);

  StreamBuilder huge = globals_stream({"Sheet1"}, {"*Only"});
  huge.bof(0x10).dimensions(0xFFFFFFFF, 0x7FFF).row(2).label_sst(2, 0, 0).dbcell().eof();
  file.write(compound_file_with_workbook(huge.bytes()));
  double walk = milliseconds([&] {
    converter.load(file.path());
    data_rows = converter.count_data_rows();
  });
  std::printf("sheet declaring 65,536 x 256 cells with one placed: load and count %d data rows: %.1f ms\n", data_rows,
              walk);
  return 0;
}
