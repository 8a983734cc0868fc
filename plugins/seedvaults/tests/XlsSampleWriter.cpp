// Writes the sample workbook that xlrd_reads_our_workbook.py checks with an
// independent reader. The values here and in the script go together.
#include "XlsWorkbook.h"
#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: seedvaults_xls_sample <file.xls>\n");
    return 2;
  }
  XlsWorkbook workbook;
  workbook.reset_to_new(2);
  XlsSheet* sheet = workbook.find_worksheet("Sheet1");
  sheet->cell(0, 0)->set_narrow_text("Name");
  sheet->cell(0, 1)->set_narrow_text("Value");
  sheet->cell(2, 0)->set_narrow_text("*Astra 19.2E");
  sheet->cell(2, 3)->set_integer(192);
  sheet->cell(3, 0)->set_wide_text(u"\u4E2D\u6587\u53F0");
  sheet->cell(3, 7)->set_integer(11836);
  sheet->cell(3, 8)->set_integer(-27500);
  sheet->cell(3, 9)->set_narrow_text("H");
  sheet->cell(4, 2)->set_float(3.75);
  sheet->cell(4, 3)->set_integer(1 << 30);
  sheet->cell(4, 4)->set_narrow_text("Caf\xE9");
  for (int row = 5; row < 45; ++row)
    sheet->cell(row, 1)->set_integer(row * 10);
  std::u16string long_text;
  for (int i = 0; i < 10000; ++i)
    long_text.push_back(char16_t(0x4E00 + i % 500));
  sheet->cell(50, 0)->set_wide_text(long_text);
  sheet->cell(51, 0)->set_narrow_text(std::string(9000, 'n'));
  sheet->cell(52, 0)->set_narrow_text("Name");
  workbook.find_worksheet("Sheet2")->cell(1, 1)->set_narrow_text("second sheet");
  if (!workbook.save_file(argv[1])) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
