#include "SheetRecords.h"
#include "ByteReader.h"

namespace {

constexpr std::size_t kIndexFixedSize = 16;

}

bool IndexRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  reserved = in.u32();
  first_row = in.u32();
  last_row_plus_one = in.u32();
  reserved2 = in.u32();
  dbcell_positions.clear();
  if (size > kIndexFixedSize)
    while (in.ok() && in.remaining() >= 4)
      dbcell_positions.push_back(in.u32());
  return in.ok();
}

std::vector<uint8_t> IndexRecord::laid_out() const
{
  std::vector<uint8_t> out;
  for (uint32_t field : {reserved, first_row, last_row_plus_one, reserved2})
    put_u32(out, field);
  for (uint32_t position : dbcell_positions)
    put_u32(out, position);
  return out;
}

bool DimensionsRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  first_row = in.u32();
  last_row_plus_one = in.u32();
  first_column = in.u16();
  last_column_plus_one = in.u16();
  reserved = in.u16();
  return in.ok();
}

std::vector<uint8_t> DimensionsRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_u32(out, first_row);
  put_u32(out, last_row_plus_one);
  put_u16(out, first_column);
  put_u16(out, last_column_plus_one);
  put_u16(out, reserved);
  return out;
}

bool RowRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  row = in.u16();
  first_column = in.u16();
  last_column_plus_one = in.u16();
  height = in.u16();
  reserved = in.u16();
  reserved2 = in.u16();
  flags_and_xf = in.u32();
  return in.ok();
}

std::vector<uint8_t> RowRecord::laid_out() const
{
  std::vector<uint8_t> out;
  for (uint16_t field : {row, first_column, last_column_plus_one, height, reserved, reserved2})
    put_u16(out, field);
  put_u32(out, flags_and_xf);
  return out;
}

bool DbCellRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  first_row_offset = in.u32();
  cell_offsets.clear();
  while (in.ok() && in.remaining() >= 2)
    cell_offsets.push_back(in.u16());
  return in.ok();
}

std::vector<uint8_t> DbCellRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_u32(out, first_row_offset);
  for (uint16_t offset : cell_offsets)
    put_u16(out, offset);
  return out;
}

bool Window2Record::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  flags = in.u16();
  top_row = in.u16();
  left_column = in.u16();
  grid_colour_index = in.u16();
  reserved = in.u16();
  page_break_zoom = in.u16();
  normal_zoom = in.u16();
  reserved2 = in.u32();
  return in.ok();
}

std::vector<uint8_t> Window2Record::laid_out() const
{
  std::vector<uint8_t> out;
  for (uint16_t field : {flags, top_row, left_column, grid_colour_index, reserved, page_break_zoom, normal_zoom})
    put_u16(out, field);
  put_u32(out, reserved2);
  return out;
}
