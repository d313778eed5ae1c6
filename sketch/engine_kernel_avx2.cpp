// The kernel with AVX2, sixteen pixels at a time; chosen at run time when the processor has it.
#include "sketch/engine_kernel.h"
#include "sketch/paper.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include <cstdint>
#include <cstring>

#pragma GCC push_options
#pragma GCC target("avx2")
#include "sketch/engine_kernel_body.h"
#include "sketch/engine_kernel_pixels16.h"

namespace graphitine {
namespace {

struct Avx2 {
  using V = __m256i;
  using P = __m256i;
  static constexpr int kLanes = 16;
  static V Load(const std::int16_t* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
  static P LoadPairs(const std::uint8_t* p) {
    return InRegister(_mm256_loadu_si256(reinterpret_cast<const P*>(p)));
  }
  // Byte differences, each pair's two then added into one 16-bit lane by a multiply-add by 1.
  static V PairContrast(P c, P n) {
    const __m256i d = _mm256_sub_epi8(_mm256_max_epu8(c, n), _mm256_min_epu8(c, n));
    return _mm256_maddubs_epi16(d, _mm256_set1_epi8(1));
  }
  static V Splat(int n) { return _mm256_set1_epi16(static_cast<short>(n)); }
  static V Add(V a, V b) { return _mm256_add_epi16(a, b); }
  static V Sub(V a, V b) { return _mm256_sub_epi16(a, b); }
  static V And(V a, V b) { return _mm256_and_si256(a, b); }
  static V AndNot(V mask, V v) { return _mm256_andnot_si256(mask, v); }
  static V AbsDiff(V a, V b) { return _mm256_abs_epi16(_mm256_sub_epi16(a, b)); }
  static V Greater(V a, V b) { return _mm256_cmpgt_epi16(a, b); }
  static V DivideBy3(V v) { return _mm256_mulhi_epu16(v, _mm256_set1_epi16(21846)); }

  static void Blacken(std::uint8_t* d, V mask) { Pixels16::Blacken(d, Bytes(mask)); }
  static void Copy(std::uint8_t* d, const std::uint8_t* s, V mask) {
    Pixels16::Copy(d, s, Bytes(mask));
  }
  static void Darken(std::uint8_t* d, V amount) {
    Pixels16::Darken(d, _mm_packus_epi16(Low(amount), High(amount)));
  }
  static void Split(const std::uint8_t* bgr, int count, std::uint8_t* pairs, std::int16_t* red,
                    std::int16_t* sum) {
    int i = 0;
    for (; i + kLanes <= count; i += kLanes, bgr += 3 * kLanes) {
      Pixels16::Split(bgr, pairs + 2 * i, red + i, sum + i);
    }
    SplitPixels(bgr, count - i, pairs + 2 * i, red + i, sum + i);
  }
  static void Stream(std::uint8_t* d, const std::uint8_t* s, int n) {
    StreamBytes<__m256i>(d, s, n, [](std::uint8_t* to, const std::uint8_t* from) {
      _mm256_stream_si256(reinterpret_cast<__m256i*>(to),
                          _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from)));
    });
  }
  static void Fence() { _mm_sfence(); }

 private:
  static __m128i Low(V v) { return _mm256_castsi256_si128(v); }
  static __m128i High(V v) { return _mm256_extracti128_si256(v, 1); }
  // A mask's lanes (0 or all ones) as one byte each.
  static __m128i Bytes(V mask) { return _mm_packs_epi16(Low(mask), High(mask)); }
};

}  // namespace

void KernelBandAvx2(const KernelBand& band) { KernelBandRunner<Avx2>(band).Run(); }

}  // namespace graphitine

#pragma GCC pop_options
#endif
