#pragma once
// The kernel's band loop, written once over a small set of vector operations. Each instruction
// set's source file includes this after choosing its compiler target and instantiates it with
// its own operations. Everything here sits in an unnamed namespace, so no copy compiled for
// one instruction set can be linked in place of another's; include only headers that the
// including file has already included before switching targets.
//
// An instruction set `Isa` provides:
//   V, kLanes               a vector of kLanes signed 16-bit lanes
//   P                       the blue and green bytes of kLanes pixels, in pairs
//   Load(p), Splat(n)       kLanes values from p (any alignment); n in every lane
//   LoadPairs(p)            kLanes pixels' byte pairs from p
//   PairContrast(c, n)      |c.blue - n.blue| + |c.green - n.green| for each pixel
//   Add, Sub, And           lane by lane
//   AndNot(mask, v)         v where mask is 0, else 0
//   AbsDiff(a, b)           |a - b| for values 0..255
//   Greater(a, b)           all ones where a > b, else 0
//   DivideBy3(v)            v / 3 for values 0..6120
//   Blacken(d, mask)        of the kLanes pixels at d (3 bytes each), those with mask set
//                           turn black
//   Copy(d, s, mask)        those with mask set take the bytes of the pixel at s
//   Darken(d, amount)       each byte goes down by its pixel's amount (0..2040), stopping at 0
//   Split(bgr, n, pairs, red, sum)
//                           n pixels into a plane of blue-green byte pairs and planes of
//                           their 16-bit red and channel sums
//   AddUnlessGreater, CountUnlessGreater
//                           optionally, the sample steps below in the set's own way
//   Stream(d, s, n), Fence()
//                           n bytes from s to d past the caches where the set can; Fence
//                           makes them visible to other threads before anything written later
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "sketch/engine_kernel.h"
#include "sketch/paper.h"

namespace graphitine {
namespace {

inline void SplitPixels(const std::uint8_t* bgr, int count, std::uint8_t* pairs, std::int16_t* red,
                        std::int16_t* sum) {
  for (int i = 0; i < count; ++i, bgr += 3, pairs += 2) {
    pairs[0] = bgr[0];
    pairs[1] = bgr[1];
    red[i] = bgr[2];
    sum[i] = static_cast<std::int16_t>(bgr[0] + bgr[1] + bgr[2]);
  }
}

// Copies n bytes with streaming stores of whole Vector-sized blocks where d is aligned to them,
// ordinary copies before and after.
template <class Vector, class StoreBlock>
void StreamBytes(std::uint8_t* d, const std::uint8_t* s, int n, StoreBlock store) {
  constexpr auto kBlock = static_cast<int>(sizeof(Vector));
  const auto misaligned = static_cast<int>(reinterpret_cast<std::uintptr_t>(d) % kBlock);
  const int head = std::min(n, misaligned == 0 ? 0 : kBlock - misaligned);
  std::memcpy(d, s, static_cast<std::size_t>(head));
  int at = head;
  for (; at + kBlock <= n; at += kBlock) store(d + at, s + at);
  std::memcpy(d + at, s + at, static_cast<std::size_t>(n - at));
}

// total + v in the lanes where a <= b (a sample not darker than the centre), in the
// instruction set's own way where it has one.
template <class Isa, class V>
V AddUnlessGreater(V total, V a, V b, V v) {
  if constexpr (requires { Isa::AddUnlessGreater(total, a, b, v); }) {
    return Isa::AddUnlessGreater(total, a, b, v);
  } else {
    return Isa::Add(total, Isa::AndNot(Isa::Greater(a, b), v));
  }
}

// total + 1 in the lanes where a <= b and contrast > threshold.
template <class Isa, class V>
V CountUnlessGreater(V total, V a, V b, V contrast, V threshold) {
  if constexpr (requires { Isa::CountUnlessGreater(total, a, b, contrast, threshold); }) {
    return Isa::CountUnlessGreater(total, a, b, contrast, threshold);
  } else {
    return Isa::Sub(total, Isa::AndNot(Isa::Greater(a, b), Isa::Greater(contrast, threshold)));
  }
}

// The value, loaded once into a register: the compiler would otherwise fold a vector that two
// instructions use (a byte maximum and minimum) into both as a memory operand, and load it twice,
// which is what limits the kernel's speed.
template <class Vector>
Vector InRegister(Vector v) {
  asm("" : "+v"(v));
  return v;
}

// Pixel by pixel writers, for instruction sets without a byte shuffle.
inline void BlackenEach(std::uint8_t* d, const std::int16_t* mask, int count) {
  for (int i = 0; i < count; ++i, d += 3) {
    if (mask[i] != 0) d[0] = d[1] = d[2] = 0;
  }
}

inline void CopyEach(std::uint8_t* d, const std::uint8_t* s, const std::int16_t* mask, int count) {
  for (int i = 0; i < count; ++i, d += 3, s += 3) {
    if (mask[i] != 0) std::memcpy(d, s, 3);
  }
}

inline void DarkenEach(std::uint8_t* d, const std::int16_t* amount, int count) {
  for (int i = 0; i < count; ++i) {
    const int g = amount[i];
    for (int c = 0; c < 3; ++c, ++d) *d = static_cast<std::uint8_t>(*d > g ? *d - g : 0);
  }
}

template <class Isa>
class KernelBandRunner {
 public:
  explicit KernelBandRunner(const KernelBand& band)
      : band_(band),
        s_(band.lineStep),
        slots_(2 * band.lineStep + 1),
        origin_(band.columns.left - band.lineStep),
        count_(band.columns.Length() + 2 * band.lineStep) {}

  void Run() {
    switch (band_.style) {
      case KernelStyle::Pen:
        Rows<KernelStyle::Pen>();
        break;
      case KernelStyle::Pencil:
        Rows<KernelStyle::Pencil>();
        break;
      case KernelStyle::Soft:
        Rows<KernelStyle::Soft>();
        break;
    }
  }

 private:
  using V = typename Isa::V;
  using P = typename Isa::P;
  static constexpr int kLanes = Isa::kLanes;

  template <class Byte, class Word>
  struct PlanesOf {
    Word* sum;
    Word* red;
    Byte* pairs;  // blue and green
  };
  using Planes = PlanesOf<const std::uint8_t, const std::int16_t>;

  // Source rows live in a ring of 2s + 1 slots (row y needs rows y - s to y + s), each slot
  // the sum plane, the red plane and the plane of blue-green pairs.
  PlanesOf<std::uint8_t, std::int16_t> Slot(int row) const {
    const std::size_t n = band_.planeLength;
    std::uint8_t* slot =
        band_.planes + static_cast<std::size_t>(row % slots_) * kPlaneSlotBytes * n;
    return {reinterpret_cast<std::int16_t*>(slot), reinterpret_cast<std::int16_t*>(slot + 2 * n),
            slot + 4 * n};
  }

  Planes Row(int row) const {
    const auto p = Slot(row);
    return {p.sum, p.red, p.pairs};
  }

  void SplitRow(int row) {
    const auto p = Slot(row);
    Isa::Split(band_.source.Row(row) + 3 * origin_, count_, p.pairs, p.red, p.sum);
  }

  // Pen and soft: how many samples are brighter than the centre by more than the threshold.
  // Pencil: the contrast summed over the samples that are not darker than the centre.
  // "Darker" compares channel sums, which is the sign of dB + dG + dR. The centre sample is
  // left out: its contrast is 0, which neither counts (the threshold is at least 0) nor adds.
  template <KernelStyle style>
  V Measure(const Planes& up, const Planes& mid, const Planes& down, int i, V threshold) const {
    const P pairs = Isa::LoadPairs(mid.pairs + 2 * i);
    const V red = Isa::Load(mid.red + i);
    const V sum = Isa::Load(mid.sum + i);
    V total = Isa::Splat(0);
    auto sample = [&](const Planes& row, int j) {
      const V contrast = Isa::Add(Isa::PairContrast(pairs, Isa::LoadPairs(row.pairs + 2 * j)),
                                  Isa::AbsDiff(red, Isa::Load(row.red + j)));
      const V other = Isa::Load(row.sum + j);
      if constexpr (style == KernelStyle::Pencil) {
        total = AddUnlessGreater<Isa>(total, sum, other, contrast);
      } else {
        total = CountUnlessGreater<Isa>(total, sum, other, contrast, threshold);
      }
    };
    sample(up, i - s_);
    sample(up, i);
    sample(up, i + s_);
    sample(mid, i - s_);
    sample(mid, i + s_);
    sample(down, i - s_);
    sample(down, i);
    sample(down, i + s_);
    return total;
  }

  template <KernelStyle style>
  void Rows() {
    // lo = ((2s + 1)^2 / 4) / s / s and hi = (3 (2s + 1)^2 / 4) / s / s, left to right.
    const int side = (2 * s_ + 1) * (2 * s_ + 1);
    const V aboveLow = Isa::Splat(side / 4 / s_ / s_ - 1);
    const V belowHigh = Isa::Splat(3 * side / 4 / s_ / s_ + 1);
    const V threshold = Isa::Splat(band_.threshold);

    for (int row = band_.first - s_; row < band_.first + s_; ++row) SplitRow(row);
    for (int y = band_.first; y <= band_.last; ++y) {
      SplitRow(y + s_);
      // A streamed row is made in the scratch row and then written out in one go.
      std::uint8_t* target = band_.stream ? band_.scratch : band_.destination.Row(y);
      if (band_.background != nullptr) band_.background->PaintRow(y, target);
      const Span run = band_.region->RowSpan(y);
      if (!run.Empty()) DrawRow<style>(y, run, target, threshold, aboveLow, belowHigh);
      if (band_.stream) Isa::Stream(band_.destination.Row(y), target, 3 * band_.width);
    }
    if (band_.stream) Isa::Fence();
  }

  template <KernelStyle style>
  void DrawRow(int y, Span run, std::uint8_t* target, V threshold, V aboveLow, V belowHigh) {
    const Planes up = Row(y - s_), mid = Row(y), down = Row(y + s_);
    const std::uint8_t* photo = band_.source.Row(y);
    // The photo row split next is asked for from memory while this one is drawn: split when
    // its turn comes, it would stall the core on every line.
    const std::uint8_t* ahead = band_.source.Row(std::min(y + s_ + 1, band_.last + s_));
    for (int x = run.left; x <= run.right; x += kLanes) {
      for (int b = 0; b < 3 * kLanes; b += 64) __builtin_prefetch(ahead + 3 * x + b);
      const V measure = Measure<style>(up, mid, down, x - origin_, threshold);
      V effect;
      if constexpr (style == KernelStyle::Pencil) {
        effect = Isa::And(Isa::Greater(measure, threshold), Isa::DivideBy3(measure));
      } else {
        effect = Isa::And(Isa::Greater(measure, aboveLow), Isa::Greater(belowHigh, measure));
      }
      const int pixels = run.right - x + 1;
      if (pixels >= kLanes) {
        Draw<style>(target + 3 * x, photo + 3 * x, effect);
      } else {
        // The last few pixels of the run go through a copy, so nothing past it is touched.
        std::uint8_t drawn[3 * kLanes] = {};
        std::uint8_t colours[3 * kLanes] = {};
        std::memcpy(drawn, target + 3 * x, 3 * pixels);
        if constexpr (style == KernelStyle::Soft) std::memcpy(colours, photo + 3 * x, 3 * pixels);
        Draw<style>(drawn, colours, effect);
        std::memcpy(target + 3 * x, drawn, 3 * pixels);
      }
    }
  }

  template <KernelStyle style>
  static void Draw(std::uint8_t* target, const std::uint8_t* photo, V effect) {
    if constexpr (style == KernelStyle::Pen) {
      Isa::Blacken(target, effect);
    } else if constexpr (style == KernelStyle::Soft) {
      Isa::Copy(target, photo, effect);
    } else {
      Isa::Darken(target, effect);
    }
  }

  const KernelBand& band_;
  const int s_;
  const int slots_;
  const int origin_;  // the source column of plane index 0
  const int count_;   // columns split into planes per row
};

}  // namespace
}  // namespace graphitine
