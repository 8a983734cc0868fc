#include "GlobalsRecords.h"
#include "ByteReader.h"

bool BofRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  version = in.u16();
  type = in.u16();
  // Older substreams end their BOF after the year; their version tells them apart.
  build = in.remaining() >= 2 ? in.u16() : 0;
  year = in.remaining() >= 2 ? in.u16() : 0;
  history_flags = in.remaining() >= 4 ? in.u32() : 0;
  lowest_version = in.remaining() >= 4 ? in.u32() : 0;
  return in.ok();
}

std::vector<uint8_t> BofRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_u16(out, version);
  put_u16(out, type);
  put_u16(out, build);
  put_u16(out, year);
  put_u32(out, history_flags);
  put_u32(out, lowest_version);
  return out;
}

bool Window1Record::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  horizontal_position = in.u16();
  vertical_position = in.u16();
  width = in.u16();
  height = in.u16();
  flags = in.u16();
  active_sheet = in.u16();
  first_visible_tab = in.u16();
  selected_tabs = in.u16();
  tab_ratio = in.u16();
  return in.ok();
}

std::vector<uint8_t> Window1Record::laid_out() const
{
  std::vector<uint8_t> out;
  for (uint16_t field : {horizontal_position, vertical_position, width, height, flags, active_sheet,
                         first_visible_tab, selected_tabs, tab_ratio})
    put_u16(out, field);
  return out;
}

bool FontRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  height = in.u16();
  options = in.u16();
  colour_index = in.u16();
  weight = in.u16();
  escapement = in.u16();
  underline = in.u8();
  family = in.u8();
  character_set = in.u8();
  reserved = in.u8();
  return read_short_string(in, name);
}

std::vector<uint8_t> FontRecord::laid_out() const
{
  std::vector<uint8_t> out;
  for (uint16_t field : {height, options, colour_index, weight, escapement})
    put_u16(out, field);
  for (uint8_t field : {underline, family, character_set, reserved})
    put_u8(out, field);
  write_short_string(out, name);
  return out;
}

bool XfRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  font_index = in.u16();
  format_index = in.u16();
  type_protection_parent = in.u16();
  alignment = in.u8();
  rotation = in.u8();
  text_properties = in.u8();
  used_attributes = in.u8();
  border_lines = in.u32();
  border_colours = in.u32();
  fill = in.u16();
  return in.ok();
}

std::vector<uint8_t> XfRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_u16(out, font_index);
  put_u16(out, format_index);
  put_u16(out, type_protection_parent);
  for (uint8_t field : {alignment, rotation, text_properties, used_attributes})
    put_u8(out, field);
  put_u32(out, border_lines);
  put_u32(out, border_colours);
  put_u16(out, fill);
  return out;
}

bool StyleRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  style = in.u16();
  if (style & kStyleBuiltIn) {
    built_in_style = in.u8();
    level = in.u8();
    return in.ok();
  }
  std::size_t position = in.position();
  return in.ok() && read_long_string(data, size, continue_offsets_, position, name);
}

std::vector<uint8_t> StyleRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_u16(out, style);
  if (style & kStyleBuiltIn) {
    put_u8(out, built_in_style);
    put_u8(out, level);
  } else {
    write_long_string(out, name.text);
  }
  return out;
}

bool BoundSheetRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  stream_position = in.u32();
  visibility = in.u8();
  sheet_type = in.u8();
  return read_short_string(in, name);
}

std::vector<uint8_t> BoundSheetRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_u32(out, stream_position);
  put_u8(out, visibility);
  put_u8(out, sheet_type);
  write_short_string(out, name);
  return out;
}

bool ExtSstRecord::decode_fields(const uint8_t* data, std::size_t size)
{
  ByteReader in(data, size);
  strings_per_bucket = in.u16();
  buckets.clear();
  while (in.ok() && in.remaining() >= 8) {
    ExtSstBucket bucket;
    bucket.stream_position = in.u32();
    bucket.offset = in.u16();
    bucket.reserved = in.u16();
    buckets.push_back(bucket);
  }
  return in.ok();
}

std::vector<uint8_t> ExtSstRecord::laid_out() const
{
  std::vector<uint8_t> out;
  put_u16(out, strings_per_bucket);
  for (const ExtSstBucket& bucket : buckets) {
    put_u32(out, bucket.stream_position);
    put_u16(out, bucket.offset);
    put_u16(out, bucket.reserved);
  }
  return out;
}
