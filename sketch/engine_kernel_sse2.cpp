// The kernel with SSE2, eight pixels at a time; every x86-64 processor has it.
#include "sketch/engine_kernel.h"
#include "sketch/paper.h"

#if defined(__x86_64__) || defined(__i386__)
#include <emmintrin.h>

#include <cstdint>
#include <cstring>

#pragma GCC push_options
#pragma GCC target("sse2")
#include "sketch/engine_kernel_body.h"

namespace graphitine {
namespace {

struct Sse2 {
  using V = __m128i;
  using P = __m128i;
  static constexpr int kLanes = 8;
  static V Load(const std::int16_t* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
  static P LoadPairs(const std::uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const P*>(p));
  }
  // Byte differences, then each pair's two bytes added as one 16-bit lane.
  static V PairContrast(P c, P n) {
    const __m128i d = _mm_or_si128(_mm_subs_epu8(c, n), _mm_subs_epu8(n, c));
    return _mm_add_epi16(_mm_and_si128(d, _mm_set1_epi16(0x00FF)), _mm_srli_epi16(d, 8));
  }
  static V Splat(int n) { return _mm_set1_epi16(static_cast<short>(n)); }
  static V Add(V a, V b) { return _mm_add_epi16(a, b); }
  static V Sub(V a, V b) { return _mm_sub_epi16(a, b); }
  static V And(V a, V b) { return _mm_and_si128(a, b); }
  static V AndNot(V mask, V v) { return _mm_andnot_si128(mask, v); }
  static V AbsDiff(V a, V b) { return _mm_or_si128(_mm_subs_epu16(a, b), _mm_subs_epu16(b, a)); }
  static V Greater(V a, V b) { return _mm_cmpgt_epi16(a, b); }
  static V DivideBy3(V v) { return _mm_mulhi_epu16(v, _mm_set1_epi16(21846)); }  // exact to 6120
  static void Blacken(std::uint8_t* d, V mask) { BlackenEach(d, Lanes(mask).v, kLanes); }
  static void Copy(std::uint8_t* d, const std::uint8_t* s, V mask) {
    CopyEach(d, s, Lanes(mask).v, kLanes);
  }
  static void Darken(std::uint8_t* d, V amount) { DarkenEach(d, Lanes(amount).v, kLanes); }
  static void Split(const std::uint8_t* bgr, int count, std::uint8_t* pairs, std::int16_t* red,
                    std::int16_t* sum) {
    SplitPixels(bgr, count, pairs, red, sum);
  }
  static void Stream(std::uint8_t* d, const std::uint8_t* s, int n) {
    StreamBytes<__m128i>(d, s, n, [](std::uint8_t* to, const std::uint8_t* from) {
      _mm_stream_si128(reinterpret_cast<__m128i*>(to),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(from)));
    });
  }
  static void Fence() { _mm_sfence(); }

 private:
  struct Values {
    alignas(16) std::int16_t v[kLanes];
  };
  static Values Lanes(V v) {
    Values values;
    _mm_store_si128(reinterpret_cast<V*>(values.v), v);
    return values;
  }
};

}  // namespace

void KernelBandSse2(const KernelBand& band) { KernelBandRunner<Sse2>(band).Run(); }

}  // namespace graphitine

#pragma GCC pop_options
#endif
