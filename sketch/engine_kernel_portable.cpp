// The kernel in plain C++, one pixel at a time: the fallback for every processor.
#include "sketch/engine_kernel_body.h"

namespace graphitine {
namespace {

struct Portable {
  using V = int;
  struct P {
    int blue, green;
  };
  static constexpr int kLanes = 1;
  static V Load(const std::int16_t* p) { return *p; }
  static P LoadPairs(const std::uint8_t* p) { return {p[0], p[1]}; }
  static V PairContrast(P c, P n) { return AbsDiff(c.blue, n.blue) + AbsDiff(c.green, n.green); }
  static V Splat(int n) { return n; }
  static V Add(V a, V b) { return a + b; }
  static V Sub(V a, V b) { return a - b; }
  static V And(V a, V b) { return a & b; }
  static V AndNot(V mask, V v) { return ~mask & v; }
  static V AbsDiff(V a, V b) { return a > b ? a - b : b - a; }
  static V Greater(V a, V b) { return a > b ? -1 : 0; }
  static V DivideBy3(V v) { return v / 3; }
  static void Blacken(std::uint8_t* d, V mask) {
    const std::int16_t m = static_cast<std::int16_t>(mask);
    BlackenEach(d, &m, 1);
  }
  static void Copy(std::uint8_t* d, const std::uint8_t* s, V mask) {
    const std::int16_t m = static_cast<std::int16_t>(mask);
    CopyEach(d, s, &m, 1);
  }
  static void Darken(std::uint8_t* d, V amount) {
    const std::int16_t g = static_cast<std::int16_t>(amount);
    DarkenEach(d, &g, 1);
  }
  static void Split(const std::uint8_t* bgr, int count, std::uint8_t* pairs, std::int16_t* red,
                    std::int16_t* sum) {
    SplitPixels(bgr, count, pairs, red, sum);
  }
  static void Stream(std::uint8_t* d, const std::uint8_t* s, int n) { std::memcpy(d, s, n); }
  static void Fence() {}
};

}  // namespace

void KernelBandPortable(const KernelBand& band) { KernelBandRunner<Portable>(band).Run(); }

}  // namespace graphitine
