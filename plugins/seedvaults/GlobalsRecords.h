#pragma once
#include "BiffRecord.h"
#include "BiffString.h"
#include <cstdint>
#include <vector>

constexpr uint16_t kBiff8Version = 0x0600;
constexpr uint16_t kSubstreamGlobals = 0x0005;
constexpr uint16_t kSubstreamWorksheet = 0x0010;

// The records of the workbook-globals substream (and BOF/EOF of every
// substream), with the defaults of a new workbook.

class BofRecord : public BiffRecord {
public:
  explicit BofRecord(uint16_t type = kSubstreamGlobals) : BiffRecord(kCodeBof), type(type) {}
  uint16_t version = kBiff8Version;
  uint16_t type;
  uint16_t build = 6560;
  uint16_t year = 1997;
  uint32_t history_flags = 0xC0C9;
  uint32_t lowest_version = 0x0306;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class EofRecord : public BiffRecord {
public:
  EofRecord() : BiffRecord(kCodeEof) {}

protected:
  std::vector<uint8_t> laid_out() const override { return {}; }
  bool keeps_data() const override { return false; }
};

class Window1Record : public BiffRecord {
public:
  Window1Record() : BiffRecord(kCodeWindow1) {}
  uint16_t horizontal_position = 120;
  uint16_t vertical_position = 120;
  uint16_t width = 15135;
  uint16_t height = 9300;
  uint16_t flags = 0x38;
  uint16_t active_sheet = 0;
  uint16_t first_visible_tab = 0;
  uint16_t selected_tabs = 1;
  uint16_t tab_ratio = 600;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class FontRecord : public BiffRecord {
public:
  FontRecord() : BiffRecord(kCodeFont), name(wide_text(u"Arial")) {}
  uint16_t height = 200;
  uint16_t options = 0;
  uint16_t colour_index = 0x7FFF;
  uint16_t weight = 400;
  uint16_t escapement = 0;
  uint8_t underline = 0;
  uint8_t family = 0;
  uint8_t character_set = 0;
  uint8_t reserved = 0;
  BiffText name;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class XfRecord : public BiffRecord {
public:
  XfRecord() : BiffRecord(kCodeXf) {}
  uint16_t font_index = 0;
  uint16_t format_index = 0;
  uint16_t type_protection_parent = 0xFFF5;
  uint8_t alignment = 0x20;
  uint8_t rotation = 0;
  uint8_t text_properties = 0;
  uint8_t used_attributes = 0;
  uint32_t border_lines = 0;
  uint32_t border_colours = 0;
  uint16_t fill = 0x20C0;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

constexpr uint16_t kStyleBuiltIn = 0x8000;

class StyleRecord : public BiffRecord {
public:
  StyleRecord() : BiffRecord(kCodeStyle) {}
  uint16_t style = kStyleBuiltIn;
  uint8_t built_in_style = 0;
  uint8_t level = 255;
  SstString name; // only for user-defined styles

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

class BoundSheetRecord : public BiffRecord {
public:
  BoundSheetRecord() : BiffRecord(kCodeBoundSheet), name(narrow_text("Sheet1")) {}
  uint32_t stream_position = 0;
  uint8_t visibility = 0;
  uint8_t sheet_type = 0;
  BiffText name;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};

struct ExtSstBucket {
  uint32_t stream_position = 0;
  uint16_t offset = 0;
  uint16_t reserved = 0;
};

class ExtSstRecord : public BiffRecord {
public:
  ExtSstRecord() : BiffRecord(kCodeExtSst) {}
  uint16_t strings_per_bucket = 0;
  std::vector<ExtSstBucket> buckets;

protected:
  bool decode_fields(const uint8_t* data, std::size_t size) override;
  std::vector<uint8_t> laid_out() const override;
  bool keeps_data() const override { return false; }
};
