#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Small builders of the byte images the tests feed to the readers.

// Appends BIFF records to a workbook stream.
class StreamBuilder {
public:
  StreamBuilder& record(uint16_t code, const std::vector<uint8_t>& data);
  StreamBuilder& bof(uint16_t type);
  StreamBuilder& eof();
  StreamBuilder& dimensions(uint32_t rows, uint16_t columns);
  StreamBuilder& row(uint16_t row);
  StreamBuilder& number(uint16_t row, uint16_t column, double value);
  StreamBuilder& rk(uint16_t row, uint16_t column, uint32_t rk);
  StreamBuilder& label_sst(uint16_t row, uint16_t column, uint32_t index);
  StreamBuilder& dbcell();
  // An SST of 8-bit strings in one record.
  StreamBuilder& sst(const std::vector<std::string>& strings);
  StreamBuilder& bound_sheet(const std::string& name);
  const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
  std::vector<uint8_t> bytes_;
};

// Little-endian field images.
std::vector<uint8_t> le16(uint16_t value);
std::vector<uint8_t> le32(uint32_t value);
std::vector<uint8_t> concat(std::initializer_list<std::vector<uint8_t>> parts);

// A compound file holding one stream "Workbook".
std::vector<uint8_t> compound_file_with_workbook(const std::vector<uint8_t>& stream);
// A globals substream naming the given sheets, with the given strings.
StreamBuilder globals_stream(const std::vector<std::string>& sheet_names, const std::vector<std::string>& strings);

// A file name in the test's working directory, removed when the object goes.
class TemporaryFile {
public:
  explicit TemporaryFile(const std::string& name);
  ~TemporaryFile();
  const std::string& path() const { return path_; }
  void write(const std::vector<uint8_t>& bytes) const;

private:
  std::string path_;
};

// Reads a whole file; empty when it cannot be read.
std::vector<uint8_t> read_file(const std::string& path);
