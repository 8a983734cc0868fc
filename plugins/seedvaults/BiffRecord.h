#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Record codes of the workbook stream.
constexpr uint16_t kCodeFormula = 0x0006;
constexpr uint16_t kCodeEof = 0x000A;
constexpr uint16_t kCodeFont = 0x0031;
constexpr uint16_t kCodeTable = 0x0036;
constexpr uint16_t kCodeContinue = 0x003C;
constexpr uint16_t kCodeWindow1 = 0x003D;
constexpr uint16_t kCodeBoundSheet = 0x0085;
constexpr uint16_t kCodeSharedFormulaOld = 0x00BC;
constexpr uint16_t kCodeMulRk = 0x00BD;
constexpr uint16_t kCodeMulBlank = 0x00BE;
constexpr uint16_t kCodeDbCell = 0x00D7;
constexpr uint16_t kCodeXf = 0x00E0;
constexpr uint16_t kCodeSst = 0x00FC;
constexpr uint16_t kCodeLabelSst = 0x00FD;
constexpr uint16_t kCodeExtSst = 0x00FF;
constexpr uint16_t kCodeDimensions = 0x0200;
constexpr uint16_t kCodeBlank = 0x0201;
constexpr uint16_t kCodeNumber = 0x0203;
constexpr uint16_t kCodeBoolErr = 0x0205;
constexpr uint16_t kCodeString = 0x0207;
constexpr uint16_t kCodeRow = 0x0208;
constexpr uint16_t kCodeIndex = 0x020B;
constexpr uint16_t kCodeArray = 0x0221;
constexpr uint16_t kCodeWindow2 = 0x023E;
constexpr uint16_t kCodeRk = 0x027E;
constexpr uint16_t kCodeStyle = 0x0293;
constexpr uint16_t kCodeSharedFormula = 0x04BC;
constexpr uint16_t kCodeBof = 0x0809;

constexpr std::size_t kRecordHeaderSize = 4;
// The most data one record (or one CONTINUE piece) carries.
constexpr std::size_t kMaxPieceData = 8224;

// One record of the workbook stream: its code and its data, which joins the
// data of every CONTINUE record that directly follows it. Record classes
// decode their fields from the joined data and lay them out again to write.
class BiffRecord {
public:
  explicit BiffRecord(uint16_t code = 0) : code_(code) {}
  BiffRecord(const BiffRecord&) = default;
  BiffRecord(BiffRecord&&) noexcept = default;
  BiffRecord& operator=(const BiffRecord&) = default;
  BiffRecord& operator=(BiffRecord&&) noexcept = default;
  virtual ~BiffRecord() = default;

  // Reads the record starting at header with its CONTINUE pieces, from at
  // most available bytes. Returns the bytes consumed, or 0 when a declared
  // size runs past available or the fields do not fit the data.
  std::size_t read(const uint8_t* header, std::size_t available);
  // Appends the record and its CONTINUE pieces to out; returns the bytes appended.
  virtual std::size_t write(std::vector<uint8_t>& out) const;
  virtual std::size_t data_size() const;
  // The data plus the 4-byte header of the record and of each CONTINUE piece.
  virtual std::size_t record_size() const;

  uint16_t code() const { return code_; }
  // The data as read (records of known classes lay theirs out on writing).
  const std::vector<uint8_t>& data() const { return data_; }
  const std::vector<std::size_t>& continue_offsets() const { return continue_offsets_; }

protected:
  // Decodes the fields from the record's joined data (size bytes at data).
  virtual bool decode_fields(const uint8_t*, std::size_t) { return true; }
  // The data to write: the fields in the order of the format.
  virtual std::vector<uint8_t> laid_out() const { return data_; }
  // Whether the raw data stays once the fields are decoded.
  virtual bool keeps_data() const { return true; }
  // Start offsets of the pieces after the first, for data of size bytes.
  std::vector<std::size_t> piece_starts(std::size_t size) const;

  uint16_t code_;
  std::vector<uint8_t> data_;
  std::vector<std::size_t> continue_offsets_;
};

// The code of the record at header, or 0 when fewer than 4 bytes remain.
uint16_t peek_code(const uint8_t* header, std::size_t available);
// Appends one record header.
void put_record_header(std::vector<uint8_t>& out, uint16_t code, std::size_t size);
