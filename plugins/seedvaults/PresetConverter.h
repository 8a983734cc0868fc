#pragma once
#include "XlsWorkbook.h"
#include <cstdint>
#include <string>
#include <vector>

constexpr const char* kPresetSheetName = "Sheet1";
// Rows and columns count from 0; data starts on the sheet's third row.
constexpr unsigned kFirstDataRow = 2;
constexpr std::size_t kPresetHeaderSize = 4;
constexpr std::size_t kNameFieldSize = 16;
constexpr std::size_t kTransponderRecordSize = 16;
constexpr std::size_t kSatelliteNameOffset = 32;

// Row kinds that set_cell reports.
constexpr int kSatelliteRow = 0;
constexpr int kTransponderRow = 1;
constexpr int kTransponderRowWithoutPrograms = 2;

// Record kinds, the first field of every record.
constexpr int32_t kSatelliteKind = 0;
constexpr int32_t kProgramKind = 1;
constexpr int32_t kTransponderKind = 2;

// What convert returns when no preset was made; result_message then says why.
constexpr int kConvertFailed = -1;

constexpr const char* kMessageRowsMissing = "Preset Data not generated! The worksheet ends before row %d.";
constexpr const char* kMessageLastRowTooSmall = "Preset Data not generated! The last row must be 3 or more, not %d.";

// Walks the worksheet "Sheet1" of a spreadsheet row by row and writes the
// preset file. The base loads the spreadsheet and counts its data rows; each
// project group's converter writes its own records.
class PresetConverter {
public:
  PresetConverter() = default;
  PresetConverter(const PresetConverter&) = delete;
  PresetConverter& operator=(const PresetConverter&) = delete;
  virtual ~PresetConverter() = default;

  // Makes the workbook a new one-sheet workbook, loads the file into it and
  // takes its worksheet "Sheet1". False when the file cannot be loaded (see
  // load_error) or has no such worksheet.
  bool load(const std::string& path);
  const std::string& load_error() const { return workbook_.error(); }
  // 2 plus the rows from the first data row on whose first cell holds text.
  int count_data_rows() const;

  // Replaces output with the preset for the rows up to last_row (counted from
  // 1) and returns its size, or kConvertFailed. The base makes nothing.
  virtual int convert(std::vector<uint8_t>& output, int last_row);
  // Takes one cell of the current row (value: the number, or the text's
  // length when a text is given) and returns the current row kind.
  virtual int set_cell(int value, const char16_t* wide, int column, const char* narrow);
  // The summary of the last convert. The base leaves message unchanged.
  virtual void result_message(std::string& message) const;

protected:
  // Hands the rows from the first data row to set_cell, with finish_row after
  // each, until last_row - 2 rows were handled. False (and the reason kept)
  // when last_row is below 3 or the worksheet ends first.
  bool convert_rows(std::vector<uint8_t>& output, int last_row);
  virtual void finish_row(std::vector<uint8_t>& output);
  // Keeps the reason, empties output and returns kConvertFailed.
  int refuse(std::vector<uint8_t>& output, const std::string& reason);

  static void put_i32(std::vector<uint8_t>& record, std::size_t offset, int32_t value);
  static void put_i16(std::vector<uint8_t>& record, std::size_t offset, int value);
  // The first character of a text, or -1 without text.
  static int first_character(const char16_t* wide, const char* narrow, int length);
  // The ANSI bytes of a text for a 16-byte name field, without its first
  // character when skip_first, cut to the whole characters that fit.
  static std::string name_bytes(int length, const char16_t* wide, const char* narrow, bool skip_first);
  static void put_name(std::vector<uint8_t>& record, std::size_t offset, const std::string& name);
  // "H" 0, "V" 1, any other text 0, a number itself.
  static int polarisation(int value, const char16_t* wide, const char* narrow);
  // "L" 1, "R" 2, anything else 0.
  static int side_code(int value, const char16_t* wide, const char* narrow);
  // The satellite record's field for column, when it has one.
  static void set_satellite_field(std::vector<uint8_t>& record, int column, int value, bool has_column8);

  XlsWorkbook workbook_;
  const XlsSheet* worksheet_ = nullptr;
  int rows_handled_ = 0;
  std::string failure_;

private:
  void hand_cell(const XlsCell& cell, int column);
};
