#include "CellRecords.h"
#include "ByteReader.h"
#include <cstring>

namespace {

constexpr std::size_t kFormulaFixedSize = 18;

void read_place(ByteReader& in, CellPlace& place)
{
  place.row = in.u16();
  place.column = in.u16();
  place.xf = in.u16();
}

void put_place(std::vector<uint8_t>& out, const CellPlace& place)
{
  put_u16(out, place.row);
  put_u16(out, place.column);
  put_u16(out, place.xf);
}

}

bool is_cell_code(uint16_t code)
{
  switch (code) {
  case kCodeFormula:
  case kCodeMulRk:
  case kCodeMulBlank:
  case kCodeLabelSst:
  case kCodeBlank:
  case kCodeNumber:
  case kCodeBoolErr:
  case kCodeRk:
    return true;
  default:
    return false;
  }
}

namespace {

// The index in CellRecord (and in the slots) of the kind that code names.
std::size_t cell_kind(uint16_t code)
{
  switch (code) {
  case kCodeFormula:
    return 0;
  case kCodeMulRk:
    return 1;
  case kCodeMulBlank:
    return 2;
  case kCodeLabelSst:
    return 3;
  case kCodeBlank:
    return 4;
  case kCodeNumber:
    return 5;
  case kCodeBoolErr:
    return 6;
  default:
    return 7;
  }
}

}

CellRecordSlots::CellRecordSlots()
  : slots_{FormulaRecord(), MulRkRecord(), MulBlankRecord(), LabelSstRecord(),
           BlankRecord(),   NumberRecord(), BoolErrRecord(),  RkRecord()}
{
}

CellRecord* CellRecordSlots::read(const uint8_t* header, std::size_t available, std::size_t& consumed)
{
  CellRecord& record = slots_[cell_kind(peek_code(header, available))];
  consumed = std::visit([header, available](BiffRecord& cell) { return cell.read(header, available); }, record);
  return consumed != 0 ? &record : nullptr;
}

bool is_formula_follower_code(uint16_t code)
{
  return code == kCodeTable || code == kCodeSharedFormulaOld || code == kCodeSharedFormula || code == kCodeArray;
}

bool StringRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  std::size_t position = 0;
  return read_long_string(data, size, continue_offsets_, position, text);
}

std::vector<uint8_t> StringRecord::laid_out() const
{
  std::vector<uint8_t> out;
  write_long_string(out, text.text);
  return out;
}

bool FormulaRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  read_place(in, *this);
  const uint8_t* bytes = in.take(sizeof result);
  if (bytes)
    std::memcpy(result, bytes, sizeof result);
  flags = in.u16();
  word_after_flags = in.u16();
  if (!in.ok())
    return false;
  formula.assign(data + kFormulaFixedSize, data + size);
  return true;
}

std::vector<uint8_t> FormulaRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_place(out, *this);
  out.insert(out.end(), std::begin(result), std::end(result));
  put_u16(out, flags);
  put_u16(out, word_after_flags);
  out.insert(out.end(), formula.begin(), formula.end());
  return out;
}

std::size_t FormulaRecord::write(std::vector<uint8_t>& out) const
{
  std::size_t written = BiffRecord::write(out);
  if (follower)
    written += follower->write(out);
  if (cached_string)
    written += cached_string->write(out);
  return written;
}

std::size_t FormulaRecord::record_size() const
{
  std::size_t size = BiffRecord::record_size();
  if (follower)
    size += follower->record_size();
  if (cached_string)
    size += cached_string->record_size();
  return size;
}

bool MulRkRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  row = in.u16();
  first_column = in.u16();
  if (!in.ok() || in.remaining() < 2 || (in.remaining() - 2) % 6 != 0)
    return false;
  std::size_t count = (in.remaining() - 2) / 6;
  cells.resize(count);
  for (RkCell& cell : cells) {
    cell.xf = in.u16();
    cell.rk = in.u32();
  }
  last_column = in.u16();
  return in.ok() && last_column >= first_column && std::size_t(last_column - first_column) + 1 == count;
}

std::vector<uint8_t> MulRkRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_u16(out, row);
  put_u16(out, first_column);
  for (const RkCell& cell : cells) {
    put_u16(out, cell.xf);
    put_u32(out, cell.rk);
  }
  put_u16(out, last_column);
  return out;
}

bool MulBlankRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  row = in.u16();
  first_column = in.u16();
  if (!in.ok() || in.remaining() < 2 || in.remaining() % 2 != 0)
    return false;
  xfs.resize((in.remaining() - 2) / 2);
  for (uint16_t& xf : xfs)
    xf = in.u16();
  last_column = in.u16();
  return in.ok() && last_column >= first_column && std::size_t(last_column - first_column) + 1 == xfs.size();
}

std::vector<uint8_t> MulBlankRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_u16(out, row);
  put_u16(out, first_column);
  for (uint16_t xf : xfs)
    put_u16(out, xf);
  put_u16(out, last_column);
  return out;
}

bool LabelSstRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  read_place(in, *this);
  string_index = in.u32();
  return in.ok();
}

std::vector<uint8_t> LabelSstRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_place(out, *this);
  put_u32(out, string_index);
  return out;
}

bool BlankRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  read_place(in, *this);
  return in.ok();
}

std::vector<uint8_t> BlankRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_place(out, *this);
  return out;
}

bool NumberRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  read_place(in, *this);
  value = in.f64();
  return in.ok();
}

std::vector<uint8_t> NumberRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_place(out, *this);
  put_f64(out, value);
  return out;
}

bool BoolErrRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  read_place(in, *this);
  value = in.u8();
  error_flag = in.u8();
  return in.ok();
}

std::vector<uint8_t> BoolErrRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_place(out, *this);
  put_u8(out, value);
  put_u8(out, error_flag);
  return out;
}

bool RkRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  read_place(in, *this);
  rk = in.u32();
  return in.ok();
}

std::vector<uint8_t> RkRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_place(out, *this);
  put_u32(out, rk);
  return out;
}
