// The kernel with AVX-512 (its byte and word instructions), thirty-two pixels at a time; chosen
// at run time when the processor has them.
#include "sketch/engine_kernel.h"
#include "sketch/paper.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include <cstdint>
#include <cstring>

#pragma GCC push_options
#pragma GCC target("avx512f,avx512bw")
#include "sketch/engine_kernel_body.h"
#include "sketch/engine_kernel_pixels16.h"

namespace graphitine {
namespace {

struct Avx512 {
  using V = __m512i;
  using P = __m512i;
  static constexpr int kLanes = 32;
  static V Load(const std::int16_t* p) { return _mm512_loadu_si512(p); }
  static P LoadPairs(const std::uint8_t* p) { return InRegister(_mm512_loadu_si512(p)); }
  // Byte differences, each pair's two then added into one 16-bit lane by a multiply-add by 1.
  static V PairContrast(P c, P n) {
    const __m512i d = _mm512_sub_epi8(_mm512_max_epu8(c, n), _mm512_min_epu8(c, n));
    return _mm512_maddubs_epi16(d, _mm512_set1_epi8(1));
  }
  static V Splat(int n) { return _mm512_set1_epi16(static_cast<short>(n)); }
  static V Add(V a, V b) { return _mm512_add_epi16(a, b); }
  static V Sub(V a, V b) { return _mm512_sub_epi16(a, b); }
  static V And(V a, V b) { return _mm512_and_si512(a, b); }
  static V AndNot(V mask, V v) { return _mm512_andnot_si512(mask, v); }
  static V AbsDiff(V a, V b) { return _mm512_abs_epi16(_mm512_sub_epi16(a, b)); }
  static V Greater(V a, V b) { return _mm512_movm_epi16(_mm512_cmpgt_epi16_mask(a, b)); }
  static V DivideBy3(V v) { return _mm512_mulhi_epu16(v, _mm512_set1_epi16(21846)); }
  // The samples' tests as mask registers, which select the lanes of one add.
  static V AddUnlessGreater(V total, V a, V b, V v) {
    return _mm512_mask_add_epi16(total, _mm512_cmple_epi16_mask(a, b), total, v);
  }
  static V CountUnlessGreater(V total, V a, V b, V contrast, V threshold) {
    const __mmask32 counted =
        _mm512_mask_cmpgt_epi16_mask(_mm512_cmple_epi16_mask(a, b), contrast, threshold);
    return _mm512_mask_add_epi16(total, counted, total, _mm512_set1_epi16(1));
  }

  // Two sixteens of pixels, their per-pixel bytes narrowed from the lanes.
  static void Blacken(std::uint8_t* d, V mask) {
    const __m256i bytes = _mm512_maskz_cvtepi16_epi8(~__mmask32{0}, mask);
    Pixels16::Blacken(d, Low(bytes));
    Pixels16::Blacken(d + 48, High(bytes));
  }
  static void Copy(std::uint8_t* d, const std::uint8_t* s, V mask) {
    const __m256i bytes = _mm512_maskz_cvtepi16_epi8(~__mmask32{0}, mask);
    Pixels16::Copy(d, s, Low(bytes));
    Pixels16::Copy(d + 48, s + 48, High(bytes));
  }
  static void Darken(std::uint8_t* d, V amount) {
    const __m256i bytes = _mm512_maskz_cvtusepi16_epi8(~__mmask32{0}, amount);
    Pixels16::Darken(d, Low(bytes));
    Pixels16::Darken(d + 48, High(bytes));
  }
  static void Split(const std::uint8_t* bgr, int count, std::uint8_t* pairs, std::int16_t* red,
                    std::int16_t* sum) {
    int i = 0;
    for (; i + Pixels16::kCount <= count; i += Pixels16::kCount, bgr += 3 * Pixels16::kCount) {
      Pixels16::Split(bgr, pairs + 2 * i, red + i, sum + i);
    }
    SplitPixels(bgr, count - i, pairs + 2 * i, red + i, sum + i);
  }
  static void Stream(std::uint8_t* d, const std::uint8_t* s, int n) {
    StreamBytes<__m512i>(d, s, n, [](std::uint8_t* to, const std::uint8_t* from) {
      _mm512_stream_si512(reinterpret_cast<__m512i*>(to), _mm512_loadu_si512(from));
    });
  }
  static void Fence() { _mm_sfence(); }

 private:
  static __m128i Low(__m256i v) { return _mm256_castsi256_si128(v); }
  static __m128i High(__m256i v) { return _mm256_extracti128_si256(v, 1); }
};

}  // namespace

void KernelBandAvx512(const KernelBand& band) { KernelBandRunner<Avx512>(band).Run(); }

}  // namespace graphitine

#pragma GCC pop_options
#endif
