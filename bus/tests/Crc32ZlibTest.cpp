#include "Crc32Agreement.h"
#include <zlib.h>

namespace {

// zlib complements before and after; the target's convention does neither.
uint32_t zlib_form(uint32_t value, const unsigned char* data, std::size_t count)
{
  return ~static_cast<uint32_t>(crc32(~value, data, static_cast<uInt>(count)));
}

TEST(Crc32, TablePathAgreesWithZlib)
{
  expect_agreement_on_random_inputs(zlib_form, crc32_update_by_table, 20240611, 200000);
}

TEST(Crc32, FoldingPathAgreesWithZlib)
{
  if (!crc32_folding_supported()) {
    GTEST_SKIP() << kNoFoldingHere;
  }
  expect_agreement_on_random_inputs(zlib_form, crc32_update_by_folding, 20240612, 200000);
}

}  // namespace
