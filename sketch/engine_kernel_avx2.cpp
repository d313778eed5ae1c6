// The kernel with AVX2, sixteen pixels at a time; chosen at run time when the processor has it.
#include "sketch/engine_kernel.h"
#include "sketch/paper.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include <cstdint>
#include <cstring>

#include "sketch/kernel_target_p.h"

GRAPHITINE_TARGET_BEGIN("avx2")
#include "sketch/engine_kernel_body.h"

namespace graphitine {
namespace {

// A byte shuffle that gathers, from part `part` of 48 pixel bytes (its bytes 16 part .. 16 part
// + 15), the bytes that each of 16 output bytes wants: output byte k wants byte from(k) of the 48;
// the others come out 0.
struct Gather {
  std::int8_t at[16];
};
template <class From>
constexpr Gather GatherFrom(int part, From from) {
  Gather gather{};
  for (int k = 0; k < 16; ++k) {
    const int at = from(k) - 16 * part;
    gather.at[k] = static_cast<std::int8_t>(at >= 0 && at < 16 ? at : -1);
  }
  return gather;
}
// The blue-green pairs of pixels 0..7 (from parts 0 and 1) and 8..15 (parts 1 and 2), and the
// red bytes of all sixteen (parts 0 to 2).
constexpr auto kLowPair = [](int k) { return 3 * (k / 2) + k % 2; };
constexpr auto kHighPair = [](int k) { return 3 * (8 + k / 2) + k % 2; };
constexpr auto kRed = [](int k) { return 3 * k + 2; };
constexpr Gather kLowPairs[2] = {GatherFrom(0, kLowPair), GatherFrom(1, kLowPair)};
constexpr Gather kHighPairs[2] = {GatherFrom(1, kHighPair), GatherFrom(2, kHighPair)};
constexpr Gather kReds[3] = {GatherFrom(0, kRed), GatherFrom(1, kRed), GatherFrom(2, kRed)};

// Sixteen pixels at a time with byte shuffles: their 48 bytes split into the kernel's planes,
// and the three ways of drawing on them.
struct Pixels16 {
  // The pairs and the red bytes are gathered from the three 16-byte parts of the 48 bytes; the
  // sum is the pairs' multiply-add by 1 plus red.
  static void Split(const std::uint8_t* bgr, std::uint8_t* pairs, std::int16_t* red,
                    std::int16_t* sum) {
    const __m128i part[3] = {Fetch(bgr, 0), Fetch(bgr, 1), Fetch(bgr, 2)};
    const __m128i low = _mm_or_si128(Pick(part[0], kLowPairs[0]), Pick(part[1], kLowPairs[1]));
    const __m128i high = _mm_or_si128(Pick(part[1], kHighPairs[0]), Pick(part[2], kHighPairs[1]));
    const __m128i reds = _mm_or_si128(
        _mm_or_si128(Pick(part[0], kReds[0]), Pick(part[1], kReds[1])), Pick(part[2], kReds[2]));
    const __m256i both = _mm256_set_m128i(high, low);
    const __m256i wideRed = _mm256_cvtepu8_epi16(reds);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(pairs), both);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(red), wideRed);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(sum),
                        _mm256_add_epi16(_mm256_maddubs_epi16(both, _mm256_set1_epi8(1)), wideRed));
  }

  // Of the pixels at d, those whose mask byte is set turn black.
  static void Blacken(std::uint8_t* d, __m128i mask) {
    const Triple m = Spread(mask);
    for (int k = 0; k < 3; ++k) Store(d, k, _mm_andnot_si128(m.part[k], Fetch(d, k)));
  }
  // Those whose mask byte is set take the bytes of the pixel at s.
  static void Copy(std::uint8_t* d, const std::uint8_t* s, __m128i mask) {
    const Triple m = Spread(mask);
    for (int k = 0; k < 3; ++k) Store(d, k, _mm_blendv_epi8(Fetch(d, k), Fetch(s, k), m.part[k]));
  }
  // Each byte goes down by its pixel's amount byte, stopping at 0.
  static void Darken(std::uint8_t* d, __m128i amount) {
    const Triple g = Spread(amount);
    for (int k = 0; k < 3; ++k) Store(d, k, _mm_subs_epu8(Fetch(d, k), g.part[k]));
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
  static __m128i Pick(__m128i part, const Gather& gather) {
    return _mm_shuffle_epi8(part, _mm_loadu_si128(reinterpret_cast<const __m128i*>(gather.at)));
  }
  static __m128i Fetch(const std::uint8_t* p, int k) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
  }
  static void Store(std::uint8_t* p, int k, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 16 * k), v);
  }
};

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

GRAPHITINE_TARGET_END
#endif
