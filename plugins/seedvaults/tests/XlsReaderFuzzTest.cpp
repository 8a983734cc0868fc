#include "StorageFile.h"
#include "TestWorkbooks.h"
#include "XlsWorkbook.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <random>

namespace {

// A workbook that reaches every reader: strings in CONTINUE pieces, row
// blocks, several record kinds and two sheets.
std::vector<uint8_t> sample_stream()
{
  XlsWorkbook workbook;
  workbook.reset_to_new(2);
  XlsSheet* sheet = workbook.find_worksheet("Sheet1");
  for (unsigned row = 0; row < 70; ++row) {
    sheet->cell(row, 0)->set_narrow_text("name " + std::to_string(row % 9));
    sheet->cell(row, 1)->set_integer(int(row) * 1000 - 7);
    sheet->cell(row, 2)->set_float(row / 3.0);
  }
  sheet->cell(71, 0)->set_wide_text(std::u16string(5000, u'\u4E2D'));
  workbook.find_worksheet("Sheet2")->cell(3, 3)->set_narrow_text("other");
  std::vector<uint8_t> file = workbook.save_bytes();
  StorageFile storage;
  storage.open_bytes(file);
  std::vector<uint8_t> stream;
  storage.read_stream(u"Workbook", stream);
  return stream;
}

void mutate(std::vector<uint8_t>& bytes, std::mt19937& random)
{
  std::uniform_int_distribution<int> kind(0, 4);
  int edits = std::uniform_int_distribution<int>(1, 8)(random);
  for (int i = 0; i < edits && !bytes.empty(); ++i) {
    std::size_t at = std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random);
    switch (kind(random)) {
    case 0:
      bytes[at] ^= uint8_t(1u << std::uniform_int_distribution<int>(0, 7)(random));
      break;
    case 1:
      bytes[at] = uint8_t(random());
      break;
    case 2:
      // Sizes, counts and sector numbers are 16- and 32-bit: try their extremes.
      for (std::size_t k = at; k < bytes.size() && k < at + 4; ++k)
        bytes[k] = (random() & 1) ? 0xFF : 0x00;
      break;
    case 3:
      bytes.resize(at);
      break;
    default: {
      // A copy of a stretch of the bytes elsewhere: a record or a whole
      // substream read twice, or in a place it was not written for.
      std::size_t from = std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random);
      std::size_t length = std::uniform_int_distribution<std::size_t>(1, bytes.size() - from)(random);
      std::vector<uint8_t> stretch(bytes.begin() + std::ptrdiff_t(from), bytes.begin() + std::ptrdiff_t(from + length));
      bytes.insert(bytes.begin() + std::ptrdiff_t(at), stretch.begin(), stretch.end());
      break;
    }
    }
  }
}

// Reads each of a text's units and its terminator, where the cell says the
// text ends (a text of the file may hold zero units of its own).
template <typename Unit> void read_whole_text(const Unit* text, int length)
{
  ASSERT_GE(length, 0);
  unsigned sum = 0;
  for (int i = 0; i < length; ++i)
    sum += unsigned(text[i]);
  EXPECT_EQ(Unit(0), text[length]) << sum;
}

void read_cell(const XlsCell& cell)
{
  cell.integer_value();
  if (const char* narrow = cell.narrow_text())
    read_whole_text(narrow, cell.text_length());
  else if (const char16_t* wide = cell.wide_text())
    read_whole_text(wide, cell.text_length());
  else
    ASSERT_EQ(-1, cell.text_length());
}

// Reads everything a loaded workbook offers, every text to its end: the
// first rows as they are read from the stream on demand, then every placed
// row. The sheet's counts stay within the format.
void walk(XlsWorkbook& workbook)
{
  for (int i = 0; i < workbook.sheet_count(); ++i) {
    const XlsSheet* sheet = workbook.sheet(i);
    ASSERT_LE(sheet->row_count(), kMaxSheetRows);
    ASSERT_LE(sheet->column_count(), kMaxSheetColumns);
    for (unsigned row = 0; row < std::min(sheet->row_count(), 100u); ++row)
      for (unsigned column = 0; column < sheet->column_count(); ++column)
        read_cell(sheet->find_cell(row, column));
    for (unsigned row = 0; row < sheet->placed_rows().size(); ++row)
      for (unsigned column = 0; column < sheet->placed_rows()[row].size(); ++column)
        read_cell(sheet->find_cell(row, column));
  }
  workbook.find_worksheet("Sheet1");
}

}

TEST(XlsReaderFuzz, MutatedWorkbookStreamsAreReadOrRefusedWithoutCrashing)
{
  const std::vector<uint8_t> stream = sample_stream();
  ASSERT_GT(stream.size(), 9000u);
  std::mt19937 random(20240611);
  int loaded = 0, refused = 0;
  for (int iteration = 0; iteration < 4000; ++iteration) {
    std::vector<uint8_t> mutated = stream;
    mutate(mutated, random);
    XlsWorkbook workbook;
    if (workbook.load_bytes(compound_file_with_workbook(mutated))) {
      ++loaded;
      walk(workbook);
    } else {
      ++refused;
      EXPECT_FALSE(workbook.error().empty());
    }
  }
  std::printf("workbook stream mutations: %d loaded, %d refused\n", loaded, refused);
  EXPECT_GT(loaded, 0);
  EXPECT_GT(refused, 0);
}

TEST(XlsReaderFuzz, MutatedCompoundFilesAreReadOrRefusedWithoutCrashing)
{
  const std::vector<uint8_t> file = compound_file_with_workbook(sample_stream());
  std::mt19937 random(7);
  int loaded = 0, refused = 0;
  for (int iteration = 0; iteration < 2000; ++iteration) {
    std::vector<uint8_t> mutated = file;
    // Most of the file is stream data; aim half the edits at the tables in the first sectors.
    if (iteration % 2 == 0)
      mutated.resize(std::min<std::size_t>(mutated.size(), 4096));
    mutate(mutated, random);
    if (iteration % 2 == 0 && mutated.size() <= 4096)
      mutated.insert(mutated.end(), file.begin() + std::min(mutated.size(), file.size()), file.end());
    XlsWorkbook workbook;
    if (workbook.load_bytes(mutated)) {
      ++loaded;
      walk(workbook);
    } else {
      ++refused;
    }
  }
  std::printf("compound file mutations: %d loaded, %d refused\n", loaded, refused);
  EXPECT_GT(loaded, 0);
  EXPECT_GT(refused, 0);
}
