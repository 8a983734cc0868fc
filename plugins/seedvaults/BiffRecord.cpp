#include "BiffRecord.h"
#include "ByteReader.h"

uint16_t peek_code(const uint8_t* header, std::size_t available)
{
  return available >= kRecordHeaderSize ? load_u16(header) : 0;
}

void put_record_header(std::vector<uint8_t>& out, uint16_t code, std::size_t size)
{
  put_u16(out, code);
  put_u16(out, uint16_t(size));
}

std::size_t BiffRecord::read(const uint8_t* header, std::size_t available)
{
  data_.clear();
  continue_offsets_.clear();
  if (available < kRecordHeaderSize)
    return 0;
  std::size_t size = load_u16(header + 2);
  if (size > available - kRecordHeaderSize)
    return 0;
  code_ = load_u16(header);
  const uint8_t* data = header + kRecordHeaderSize;
  std::size_t consumed = kRecordHeaderSize + size;
  // Only a record with CONTINUE pieces, or one that keeps its bytes, is
  // copied: the others decode straight from the stream.
  bool joined = peek_code(header + consumed, available - consumed) == kCodeContinue;
  if (joined || keeps_data()) {
    data_.assign(data, data + size);
    while (peek_code(header + consumed, available - consumed) == kCodeContinue) {
      std::size_t piece = load_u16(header + consumed + 2);
      if (piece > available - consumed - kRecordHeaderSize)
        return 0;
      continue_offsets_.push_back(data_.size());
      const uint8_t* piece_data = header + consumed + kRecordHeaderSize;
      data_.insert(data_.end(), piece_data, piece_data + piece);
      consumed += kRecordHeaderSize + piece;
    }
    data = data_.data();
    size = data_.size();
  }
  if (!decode_fields(data, size))
    return 0;
  if (!keeps_data()) {
    data_.clear();
    data_.shrink_to_fit();
  }
  return consumed;
}

std::vector<std::size_t> BiffRecord::piece_starts(std::size_t size) const
{
  std::vector<std::size_t> starts;
  std::size_t start = 0;
  std::vector<std::size_t> ends;
  for (std::size_t offset : continue_offsets_)
    if (offset > start && offset < size && (ends.empty() || offset > ends.back()))
      ends.push_back(offset);
  ends.push_back(size);
  for (std::size_t end : ends) {
    while (end - start > kMaxPieceData) {
      start += kMaxPieceData;
      starts.push_back(start);
    }
    if (end < size)
      starts.push_back(end);
    start = end;
  }
  return starts;
}

std::size_t BiffRecord::write(std::vector<uint8_t>& out) const
{
  std::vector<uint8_t> bytes = laid_out();
  std::vector<std::size_t> starts = piece_starts(bytes.size());
  std::size_t before = out.size();
  std::size_t start = 0;
  for (std::size_t i = 0; i <= starts.size(); ++i) {
    std::size_t end = i < starts.size() ? starts[i] : bytes.size();
    put_record_header(out, i == 0 ? code_ : kCodeContinue, end - start);
    out.insert(out.end(), bytes.begin() + start, bytes.begin() + end);
    start = end;
  }
  return out.size() - before;
}

std::size_t BiffRecord::data_size() const
{
  return laid_out().size();
}

std::size_t BiffRecord::record_size() const
{
  std::size_t size = data_size();
  return size + kRecordHeaderSize * (piece_starts(size).size() + 1);
}
