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

namespace graphitine {
namespace {

// index[c][k][j]: where in part k of 48 pixel bytes channel c of pixel j lies, or -1 (a zero
// byte) when it lies in another part.
struct Gather {
  std::int8_t index[3][3][16];
};
constexpr Gather MakeGather() {
  Gather gather{};
  for (int c = 0; c < 3; ++c) {
    for (int k = 0; k < 3; ++k) {
      for (int j = 0; j < 16; ++j) {
        const int at = 3 * j + c - 16 * k;
        gather.index[c][k][j] = static_cast<std::int8_t>(at >= 0 && at < 16 ? at : -1);
      }
    }
  }
  return gather;
}
constexpr Gather kGather = MakeGather();

struct Avx2 {
  using V = __m256i;
  static constexpr int kLanes = 16;
  static V Load(const std::int16_t* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
  static V LoadBytes(const std::uint8_t* p) {
    return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
  }
  static V Splat(int n) { return _mm256_set1_epi16(static_cast<short>(n)); }
  static V Add(V a, V b) { return _mm256_add_epi16(a, b); }
  static V Sub(V a, V b) { return _mm256_sub_epi16(a, b); }
  static V And(V a, V b) { return _mm256_and_si256(a, b); }
  static V AndNot(V mask, V v) { return _mm256_andnot_si256(mask, v); }
  static V AbsDiff(V a, V b) { return _mm256_abs_epi16(_mm256_sub_epi16(a, b)); }
  static V Greater(V a, V b) { return _mm256_cmpgt_epi16(a, b); }
  static V DivideBy3(V v) { return _mm256_mulhi_epu16(v, _mm256_set1_epi16(21846)); }

  static void Blacken(std::uint8_t* d, V mask) {
    const Triple m = Spread(_mm_packs_epi16(Low(mask), High(mask)));
    for (int k = 0; k < 3; ++k) Store(d, k, _mm_andnot_si128(m.part[k], Fetch(d, k)));
  }
  static void Copy(std::uint8_t* d, const std::uint8_t* s, V mask) {
    const Triple m = Spread(_mm_packs_epi16(Low(mask), High(mask)));
    for (int k = 0; k < 3; ++k) Store(d, k, _mm_blendv_epi8(Fetch(d, k), Fetch(s, k), m.part[k]));
  }
  static void Darken(std::uint8_t* d, V amount) {
    const Triple g = Spread(_mm_packus_epi16(Low(amount), High(amount)));
    for (int k = 0; k < 3; ++k) Store(d, k, _mm_subs_epu8(Fetch(d, k), g.part[k]));
  }
  // Sixteen pixels at a time: each channel's bytes are gathered from the three 16-byte parts
  // of the 48 bytes; the sum is taken in 16 bits.
  static void Split(const std::uint8_t* bgr, int count, std::uint8_t* b, std::uint8_t* g,
                    std::uint8_t* r, std::int16_t* sum) {
    std::uint8_t* planes[3] = {b, g, r};
    int i = 0;
    for (; i + kLanes <= count; i += kLanes, bgr += 3 * kLanes) {
      const __m128i part[3] = {Fetch(bgr, 0), Fetch(bgr, 1), Fetch(bgr, 2)};
      V total = _mm256_setzero_si256();
      for (int c = 0; c < 3; ++c) {
        __m128i bytes = _mm_setzero_si128();
        for (int k = 0; k < 3; ++k) {
          const __m128i pick =
              _mm_loadu_si128(reinterpret_cast<const __m128i*>(kGather.index[c][k]));
          bytes = _mm_or_si128(bytes, _mm_shuffle_epi8(part[k], pick));
        }
        Store(planes[c] + i, 0, bytes);
        total = _mm256_add_epi16(total, _mm256_cvtepu8_epi16(bytes));
      }
      _mm256_storeu_si256(reinterpret_cast<V*>(sum + i), total);
    }
    SplitPixels(bgr, count - i, b + i, g + i, r + i, sum + i);
  }

 private:
  // Sixteen per-pixel bytes spread to the 48 bytes of sixteen pixels, each byte three times.
  struct Triple {
    __m128i part[3];
  };
  static Triple Spread(__m128i bytes) {
    return {
        {_mm_shuffle_epi8(bytes, _mm_setr_epi8(0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5)),
         _mm_shuffle_epi8(bytes, _mm_setr_epi8(5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10)),
         _mm_shuffle_epi8(bytes, _mm_setr_epi8(10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14,
                                               15, 15, 15))}};
  }
  static __m128i Low(V v) { return _mm256_castsi256_si128(v); }
  static __m128i High(V v) { return _mm256_extracti128_si256(v, 1); }
  static __m128i Fetch(const std::uint8_t* p, int k) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
  }
  static void Store(std::uint8_t* p, int k, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 16 * k), v);
  }
};

}  // namespace

void KernelBandAvx2(const KernelBand& band) { KernelBandRunner<Avx2>(band).Run(); }

}  // namespace graphitine

#pragma GCC pop_options
#endif
