#include "TestWorkbooks.h"
#include "BiffRecord.h"
#include "ByteReader.h"
#include "StorageWriter.h"
#include <cstdio>
#include <cstring>

StreamBuilder& StreamBuilder::record(uint16_t code, const std::vector<uint8_t>& data)
{
  put_u16(bytes_, code);
  put_u16(bytes_, uint16_t(data.size()));
  bytes_.insert(bytes_.end(), data.begin(), data.end());
  return *this;
}

StreamBuilder& StreamBuilder::bof(uint16_t type)
{
  return record(kCodeBof, concat({le16(0x0600), le16(type), le16(6560), le16(1997), le32(0xC0C9), le32(0x0306)}));
}

StreamBuilder& StreamBuilder::eof()
{
  return record(kCodeEof, {});
}

StreamBuilder& StreamBuilder::dimensions(uint32_t rows, uint16_t columns)
{
  return record(kCodeDimensions, concat({le32(0), le32(rows), le16(0), le16(columns), le16(0)}));
}

StreamBuilder& StreamBuilder::row(uint16_t row)
{
  return record(kCodeRow, concat({le16(row), le16(0), le16(1), le16(255), le16(0), le16(0), le32(0)}));
}

StreamBuilder& StreamBuilder::number(uint16_t row, uint16_t column, double value)
{
  std::vector<uint8_t> data = concat({le16(row), le16(column), le16(15)});
  put_f64(data, value);
  return record(kCodeNumber, data);
}

StreamBuilder& StreamBuilder::rk(uint16_t row, uint16_t column, uint32_t rk)
{
  return record(kCodeRk, concat({le16(row), le16(column), le16(15), le32(rk)}));
}

StreamBuilder& StreamBuilder::label_sst(uint16_t row, uint16_t column, uint32_t index)
{
  return record(kCodeLabelSst, concat({le16(row), le16(column), le16(15), le32(index)}));
}

StreamBuilder& StreamBuilder::dbcell()
{
  return record(kCodeDbCell, le32(0));
}

StreamBuilder& StreamBuilder::sst(const std::vector<std::string>& strings)
{
  std::vector<uint8_t> data = concat({le32(uint32_t(strings.size())), le32(uint32_t(strings.size()))});
  for (const std::string& text : strings) {
    put_u16(data, uint16_t(text.size()));
    put_u8(data, 0);
    data.insert(data.end(), text.begin(), text.end());
  }
  return record(kCodeSst, data);
}

StreamBuilder& StreamBuilder::bound_sheet(const std::string& name)
{
  std::vector<uint8_t> data = concat({le32(0), {0, 0, uint8_t(name.size()), 0}});
  data.insert(data.end(), name.begin(), name.end());
  return record(kCodeBoundSheet, data);
}

std::vector<uint8_t> le16(uint16_t value)
{
  std::vector<uint8_t> out;
  put_u16(out, value);
  return out;
}

std::vector<uint8_t> le32(uint32_t value)
{
  std::vector<uint8_t> out;
  put_u32(out, value);
  return out;
}

std::vector<uint8_t> concat(std::initializer_list<std::vector<uint8_t>> parts)
{
  std::vector<uint8_t> out;
  for (const std::vector<uint8_t>& part : parts)
    out.insert(out.end(), part.begin(), part.end());
  return out;
}

std::vector<uint8_t> compound_file_with_workbook(const std::vector<uint8_t>& stream)
{
  StorageWriter writer;
  writer.add_stream(u"Workbook", stream);
  return writer.build();
}

StreamBuilder globals_stream(const std::vector<std::string>& sheet_names, const std::vector<std::string>& strings)
{
  StreamBuilder builder;
  builder.bof(0x0005);
  for (const std::string& name : sheet_names)
    builder.bound_sheet(name);
  builder.sst(strings);
  builder.eof();
  return builder;
}

TemporaryFile::TemporaryFile(const std::string& name) : path_(name)
{
  std::remove(path_.c_str());
}

TemporaryFile::~TemporaryFile()
{
  std::remove(path_.c_str());
}

void TemporaryFile::write(const std::vector<uint8_t>& bytes) const
{
  std::FILE* file = std::fopen(path_.c_str(), "wb");
  if (!file)
    return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

std::vector<uint8_t> read_file(const std::string& path)
{
  std::vector<uint8_t> bytes;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file)
    return bytes;
  uint8_t buffer[4096];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    bytes.insert(bytes.end(), buffer, buffer + count);
  std::fclose(file);
  return bytes;
}
