#include "Crc32Paths.h"

#include <cpuid.h>
#include <immintrin.h>

// The register after a stretch of input, without start value or final
// complement, is the stretch as a polynomial times x^32, modulo the CRC's
// polynomial. Sixteen bytes loaded into an SSE register hold the polynomial
// bit-reflected: the first byte's lowest bit is the highest power. Folding
// multiplies a block by x^D modulo the polynomial, in two 64-bit halves times
// 32-bit constants, and adds it to the block D bits further on; what is left
// at the end is sixteen bytes worth the same as everything before them, which
// the table then takes like any other input.

namespace {

const std::size_t kBlock = 16;
const int kAccumulators = 4;
const std::size_t kStride = kBlock * kAccumulators;

// x^power modulo the reflected polynomial, as a register value (bit 31 is x^0).
uint32_t x_to_the(unsigned power, uint32_t polynomial)
{
  uint32_t value = 1u << 31;
  for (unsigned i = 0; i < power; ++i)
    value = (value & 1) ? (value >> 1) ^ polynomial : value >> 1;
  return value;
}

// A product of two reflected 64-bit halves comes out one place low, and a
// 32-bit constant sits x^32 high in its half: the low half (the higher powers)
// is multiplied by x^(D+31), the high half by x^(D-33), to move a block D bits.
struct FoldingConstants {
  explicit FoldingConstants(uint32_t polynomial_) : polynomial(polynomial_)
  {
    by_stride[0] = x_to_the(kStride * 8 + 31, polynomial);
    by_stride[1] = x_to_the(kStride * 8 - 33, polynomial);
    by_block[0] = x_to_the(kBlock * 8 + 31, polynomial);
    by_block[1] = x_to_the(kBlock * 8 - 33, polynomial);
  }

  uint32_t polynomial;
  uint32_t by_stride[2];
  uint32_t by_block[2];
};

#if defined(__i386__)
// The 32-bit Windows stack is only 4-byte aligned; SSE spills need 16.
#define KORVO_SSE_ENTRY __attribute__((target("pclmul,sse2"), force_align_arg_pointer))
#else
#define KORVO_SSE_ENTRY __attribute__((target("pclmul,sse2")))
#endif
#define KORVO_SSE __attribute__((target("pclmul,sse2")))

inline __m128i KORVO_SSE constants_of(const uint32_t pair[2])
{
  return _mm_set_epi32(0, static_cast<int>(pair[1]), 0, static_cast<int>(pair[0]));
}

inline __m128i KORVO_SSE fold(__m128i block, __m128i constants, __m128i next)
{
  const __m128i low = _mm_clmulepi64_si128(block, constants, 0x00);
  const __m128i high = _mm_clmulepi64_si128(block, constants, 0x11);
  return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

inline __m128i KORVO_SSE load(const unsigned char* data)
{
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
}

}  // namespace

bool crc32_folding_supported()
{
  unsigned eax, ebx, ecx, edx;
  if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx))
    return false;
  return (ecx & bit_PCLMUL) != 0 && (edx & bit_SSE2) != 0;
}

KORVO_SSE_ENTRY uint32_t crc32_update_by_folding(const uint32_t table[256], uint32_t value, const unsigned char* data,
                                                 std::size_t count)
{
  if (count < kStride)
    return crc32_update_by_table(table, value, data, count);

  // A reflected table holds its polynomial at 0x80: one bit, shifted out.
  static const FoldingConstants standard(0xEDB88320u);
  const uint32_t polynomial = table[0x80];
  const FoldingConstants constants = polynomial == standard.polynomial ? standard : FoldingConstants(polynomial);

  // The start value enters as the first four bytes' share.
  __m128i accumulators[kAccumulators];
  for (int k = 0; k < kAccumulators; ++k)
    accumulators[k] = load(data + k * kBlock);
  accumulators[0] = _mm_xor_si128(accumulators[0], _mm_cvtsi32_si128(static_cast<int>(value)));
  data += kStride;
  count -= kStride;

  const __m128i by_stride = constants_of(constants.by_stride);
  for (; count >= kStride; data += kStride, count -= kStride) {
    for (int k = 0; k < kAccumulators; ++k)
      accumulators[k] = fold(accumulators[k], by_stride, load(data + k * kBlock));
  }

  const __m128i by_block = constants_of(constants.by_block);
  __m128i rest = accumulators[0];
  for (int k = 1; k < kAccumulators; ++k)
    rest = fold(rest, by_block, accumulators[k]);
  for (; count >= kBlock; data += kBlock, count -= kBlock)
    rest = fold(rest, by_block, load(data));

  unsigned char rest_bytes[kBlock];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(rest_bytes), rest);
  value = crc32_update_by_table(table, 0, rest_bytes, kBlock);
  return crc32_update_by_table(table, value, data, count);
}
