#pragma once
#include "ByteReader.h"
#include <cstdint>
#include <string>
#include <vector>

// Flags byte of a BIFF8 string.
constexpr uint8_t kStringWide = 0x01;
constexpr uint8_t kStringPhonetic = 0x04;
constexpr uint8_t kStringRich = 0x08;

// A BIFF8 text: 8-bit characters (Latin-1 by the format, kept as stored) or
// UTF-16 units.
struct BiffText {
  bool wide = false;
  std::string narrow;
  std::u16string wide_text;

  std::size_t length() const { return wide ? wide_text.size() : narrow.size(); }
  // Appends the characters in their own width.
  void append_characters(std::vector<uint8_t>& out) const;
};

BiffText narrow_text(const std::string& text);
BiffText wide_text(const std::u16string& text);

// A short string: 8-bit character count, flags, characters.
bool read_short_string(ByteReader& in, BiffText& text);
void write_short_string(std::vector<uint8_t>& out, const BiffText& text);

// A string of the shared string table (and of STYLE and STRING records):
// 16-bit count, flags, optional run and phonetic counts, the characters, then
// the skipped formatting runs and phonetic data.
struct SstString {
  BiffText text;
  uint16_t run_count = 0;
  uint32_t phonetic_size = 0;
};

// Reads a long string at position of the size bytes at data. The characters may run over the
// starts of CONTINUE pieces (piece_starts, ascending); each such piece begins
// with a flags byte giving the width of the characters that follow. A string
// whose parts differ in width comes back wide, its 8-bit parts widened as
// Latin-1. False when the string runs past the data or a UTF-16 character is
// cut by a piece start.
bool read_long_string(const uint8_t* data, std::size_t size, const std::vector<std::size_t>& piece_starts,
                      std::size_t& position, SstString& string);
// Writes a long string whole, without formatting runs or phonetic data.
void write_long_string(std::vector<uint8_t>& out, const BiffText& text);
