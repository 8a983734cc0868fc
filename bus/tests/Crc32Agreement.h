#pragma once
// One agreement check for both ways of computing the CRC, against any
// reference form: random lengths (with every edge where a path changes its
// step), alignments and start values.
#include "Crc32.h"
#include "Crc32Paths.h"
#include <gtest/gtest.h>
#include <random>
#include <vector>

// A reference computes the register after count bytes from value, in the
// target's convention (no complement before or after).
using Crc32Reference = uint32_t (*)(uint32_t value, const unsigned char* data, std::size_t count);
using Crc32Path = uint32_t (*)(const uint32_t table[256], uint32_t value, const unsigned char* data, std::size_t count);

inline void expect_agreement_on_random_inputs(Crc32Reference reference, Crc32Path path, uint32_t seed,
                                              std::size_t longest)
{
  uint32_t table[256];
  crc32_build_table(table);
  std::mt19937 random(seed);
  std::vector<unsigned char> buffer(longest + 16);
  for (unsigned char& byte : buffer)
    byte = static_cast<unsigned char>(random());

  // Folding takes 64 bytes a step and 16 at its end; the table lanes start at
  // 4096 bytes and take 32 a step.
  std::vector<std::size_t> lengths = {0,    1,    7,    8,    9,    15,   16,   17,   63,   64,   65,   79,  80,
                                      81,   127,  128,  129,  143,  4095, 4096, 4097, 4103, 4127, 4128, 4129};
  lengths.push_back(longest);
  for (int i = 0; i < 150; ++i)
    lengths.push_back(random() % (longest + 1));

  for (std::size_t length : lengths) {
    const std::size_t alignment = random() % 16;
    const uint32_t start = (length % 3 == 0) ? 0xFFFFFFFFu : static_cast<uint32_t>(random());
    const unsigned char* data = buffer.data() + alignment;
    ASSERT_EQ(reference(start, data, length), path(table, start, data, length))
        << "length " << length << ", alignment " << alignment << ", start " << std::hex << start;
  }
}

// Folding needs an instruction an old processor may lack: such a machine says
// so in the test's result instead of passing.
constexpr const char* kNoFoldingHere = "this processor has no carry-less multiplication: folding not tested";
