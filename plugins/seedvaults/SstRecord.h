#pragma once
#include "BiffRecord.h"
#include "BiffString.h"
#include <vector>

// The shared string table: total and unique counts and the strings, whose
// characters may run on into CONTINUE pieces.
class SstRecord : public BiffRecord {
public:
  SstRecord() : BiffRecord(kCodeSst) {}
  uint32_t total_count = 0;
  uint32_t unique_count = 0;
  std::vector<SstString> strings;

  // Written so that no string's count and flags are cut by a piece start and
  // characters are cut only between characters, the flags byte repeated at
  // the start of the next piece.
  std::size_t write(std::vector<uint8_t>& out) const override;
  std::size_t data_size() const override;
  std::size_t record_size() const override;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  bool keeps_data() const override { return false; }

private:
  std::vector<std::vector<uint8_t>> pieces() const;
};
