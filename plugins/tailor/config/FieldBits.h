#pragma once
#include <cstddef>
#include <cstdint>

// Bit fields inside configuration data: bit k of a field is bit
// (bit_offset + k) mod 8 of byte (bit_offset + k) div 8 from the base.
const uint32_t kMaxFieldValueBits = 64;

// The bytes a field touches, from byte bit_offset / 8 on.
std::size_t field_first_byte(uint32_t bit_offset);
std::size_t field_byte_count(uint32_t bit_offset, uint32_t bit_length);

// Reads the field's lowest min(bit_length, 64) bits.
uint64_t read_field_bits(const uint8_t* base, uint32_t bit_offset, uint32_t bit_length);

// Writes the field's lowest min(bit_length, 64) bits from value; value bits
// above the field are dropped, and every bit outside the field keeps its value.
void write_field_bits(uint8_t* base, uint32_t bit_offset, uint32_t bit_length, uint64_t value);
