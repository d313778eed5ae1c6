// The kernel with AVX-512 (its byte and word instructions and byte permutes), thirty-two pixels
// at a time; chosen at run time when the processor has them.
#include "sketch/engine_kernel.h"
#include "sketch/paper.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include <cstdint>
#include <cstring>

#include "sketch/kernel_target_p.h"

GRAPHITINE_TARGET_BEGIN("avx512f,avx512bw,avx512vbmi")
#include "sketch/engine_kernel_body.h"

namespace graphitine {
namespace {

// Every lane selected, for the zero-masking forms of the instructions that are used here instead
// of their plain forms: those leave lanes undefined in GCC 12's headers, which it then warns of.
constexpr __mmask8 kAll8 = 0xFF;
constexpr __mmask32 kAll32 = 0xFFFFFFFF;
constexpr __mmask64 kAll64 = ~__mmask64{0};

// Byte indices for the permutes: output byte k takes byte at[k] (of 64, or of 128 from two
// vectors).
struct Index64 {
  std::int8_t at[64];
};
template <class From>
constexpr Index64 IndexFrom(From from) {
  Index64 index{};
  for (int k = 0; k < 64; ++k) index.at[k] = static_cast<std::int8_t>(from(k));
  return index;
}
// Each pixel's byte three times (pixels 0..21, then 21..31); each pixel's blue-green pair, and its
// red byte, from its three bytes.
constexpr Index64 kSpreadLow = IndexFrom([](int k) { return k / 3; });
constexpr Index64 kSpreadHigh = IndexFrom([](int k) { return (64 + k) / 3 % 32; });
constexpr Index64 kPairIndex = IndexFrom([](int k) { return 3 * (k / 2) + k % 2; });
constexpr Index64 kRedIndex = IndexFrom([](int k) { return (3 * k + 2) % 96; });

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
  static V And(V a, V b) { return _mm512_maskz_and_epi64(kAll8, a, b); }
  static V AndNot(V mask, V v) { return _mm512_maskz_andnot_epi64(kAll8, mask, v); }
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

  // The 96 bytes of 32 pixels are a 64-byte and a 32-byte part; each pixel's byte (a mask or an
  // amount, narrowed from its lane) is spread to its three bytes by a byte permute.
  static void Blacken(std::uint8_t* d, V mask) {
    const Spread m = SpreadBytes(_mm512_maskz_cvtepi16_epi8(kAll32, mask));
    _mm512_storeu_si512(d, _mm512_maskz_andnot_epi64(kAll8, m.low, _mm512_loadu_si512(d)));
    Store32(d + 64, _mm256_andnot_si256(m.high, Load32(d + 64)));
  }
  static void Copy(std::uint8_t* d, const std::uint8_t* s, V mask) {
    const Spread m = SpreadBytes(_mm512_maskz_cvtepi16_epi8(kAll32, mask));
    _mm512_storeu_si512(d, _mm512_mask_blend_epi8(_mm512_movepi8_mask(m.low), _mm512_loadu_si512(d),
                                                  _mm512_loadu_si512(s)));
    Store32(d + 64, _mm256_blendv_epi8(Load32(d + 64), Load32(s + 64), m.high));
  }
  static void Darken(std::uint8_t* d, V amount) {
    const Spread g = SpreadBytes(_mm512_maskz_cvtusepi16_epi8(kAll32, amount));
    _mm512_storeu_si512(d, _mm512_subs_epu8(_mm512_loadu_si512(d), g.low));
    Store32(d + 64, _mm256_subs_epu8(Load32(d + 64), g.high));
  }
  // The pairs and the red bytes of 32 pixels picked from their two parts by two-table permutes;
  // the sum is the pairs' multiply-add by 1 plus red.
  static void Split(const std::uint8_t* bgr, int count, std::uint8_t* pairs, std::int16_t* red,
                    std::int16_t* sum) {
    const __m512i pickPairs = _mm512_loadu_si512(kPairIndex.at);
    const __m512i pickReds = _mm512_loadu_si512(kRedIndex.at);
    int i = 0;
    for (; i + kLanes <= count; i += kLanes, bgr += 3 * kLanes) {
      const __m512i low = _mm512_loadu_si512(bgr);
      const __m512i high = _mm512_maskz_loadu_epi8(kAll32, bgr + 64);
      const __m512i both = _mm512_permutex2var_epi8(low, pickPairs, high);
      const __m512i wideRed =
          _mm512_cvtepu8_epi16(Low256(_mm512_permutex2var_epi8(low, pickReds, high)));
      _mm512_storeu_si512(pairs + 2 * i, both);
      _mm512_storeu_si512(red + i, wideRed);
      _mm512_storeu_si512(
          sum + i, _mm512_add_epi16(_mm512_maddubs_epi16(both, _mm512_set1_epi8(1)), wideRed));
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
  struct Spread {
    __m512i low;   // bytes 0..63
    __m256i high;  // bytes 64..95
  };
  static Spread SpreadBytes(__m256i bytes) {
    const __m512i all = _mm512_maskz_inserti64x4(kAll8, _mm512_setzero_si512(), bytes, 0);
    return {_mm512_maskz_permutexvar_epi8(kAll64, _mm512_loadu_si512(kSpreadLow.at), all),
            Low256(_mm512_maskz_permutexvar_epi8(kAll64, _mm512_loadu_si512(kSpreadHigh.at), all))};
  }
  static __m256i Low256(__m512i v) { return _mm512_maskz_extracti64x4_epi64(kAll8, v, 0); }
  static __m256i Load32(const std::uint8_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  }
  static void Store32(std::uint8_t* p, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
  }
};

}  // namespace

void KernelBandAvx512(const KernelBand& band) { KernelBandRunner<Avx512>(band).Run(); }

}  // namespace graphitine

GRAPHITINE_TARGET_END
#endif
