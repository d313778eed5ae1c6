// Every optimised path of the engine against the plain reference, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine_test_support.h"
#include "reference_engine.h"
#include "sketch/engine.h"
#include "sketch/engine_driver.h"
#include "sketch/engine_kernel.h"
#include "sketch/paper.h"

namespace graphitine {
namespace {

using testing::RandomPhoto;
using testing::SameRaster;
using testing::ToolName;

constexpr SketchTool kAllChoices[] = {SketchTool::None,   SketchTool::Pen,
                                      SketchTool::Eraser, SketchTool::ColourBrush,
                                      SketchTool::Pencil, SketchTool::Soft};
constexpr SketchPage kPages[] = {SketchPage::Automatic, SketchPage::Manual};
constexpr int kPrecisions[] = {0, 170, 200};

// One way of running the engine: an instruction set and a thread count.
struct Variant {
  KernelIsa isa;
  int threads;
};

std::vector<Variant> Variants() {
  std::vector<Variant> variants;
  for (KernelIsa isa : {KernelIsa::Portable, KernelIsa::Sse2, KernelIsa::Avx2, KernelIsa::Avx512}) {
    if (!KernelIsaAvailable(isa)) continue;
    for (int threads : {1, 3}) variants.push_back({isa, threads});
  }
  return variants;
}

std::string Describe(const Variant& v) {
  const char* isa = v.isa == KernelIsa::Portable ? "portable"
                    : v.isa == KernelIsa::Sse2   ? "sse2"
                    : v.isa == KernelIsa::Avx2   ? "avx2"
                                                 : "avx512";
  return std::string(isa) + " threads " + std::to_string(v.threads);
}

struct Papers {
  Paper tile{RandomPhoto(7, 5, 91), PaperMode::Tile};
  Paper stretch{RandomPhoto(13, 11, 92), PaperMode::Stretch};
};

TEST(EngineMatch, InstructionSetsAreAvailableAsExpected) {
  EXPECT_TRUE(KernelIsaAvailable(KernelIsa::Portable));
#if defined(__x86_64__)
  EXPECT_TRUE(KernelIsaAvailable(KernelIsa::Sse2));
#endif
  EXPECT_TRUE(KernelIsaAvailable(BestKernelIsa()));
}

// Convert in every choice, page, line step, precision and paper, on an odd-sized photo.
TEST(EngineMatch, ConvertMatchesReferenceEverywhere) {
  const Raster photo = RandomPhoto(53, 41, 7);
  const Papers papers;
  const Paper* paperChoices[] = {nullptr, &papers.tile, &papers.stretch};
  const std::vector<Variant> variants = Variants();
  for (SketchTool tool : kAllChoices) {
    for (SketchPage page : kPages) {
      for (int step = 1; step <= 15; ++step) {
        for (int precision : kPrecisions) {
          for (const Paper* paper : paperChoices) {
            ConvertSettings settings;
            settings.precision = precision;
            settings.lineStep = step;
            settings.choice = {tool, page};
            settings.paper = paper;
            SCOPED_TRACE(std::string(ToolName(tool)) +
                         (page == SketchPage::Manual ? " manual" : " automatic") + " step " +
                         std::to_string(step) + " precision " + std::to_string(precision) +
                         " paper " +
                         (paper == nullptr        ? "none"
                          : paper == &papers.tile ? "tile"
                                                  : "stretch"));
            const Raster expected = reference::Convert(photo, settings);
            ASSERT_TRUE(SameRaster(expected, Convert(photo, settings)));
            for (const Variant& v : variants) {
              settings.threads = v.threads;
              ASSERT_TRUE(SameRaster(expected, RunConvert(photo, settings, v.isa))) << Describe(v);
            }
          }
        }
      }
    }
  }
}

// Photos of every width up to 40 (runs of every length against the vector width) and a few
// heights, down to photos too small for any pixel.
TEST(EngineMatch, OddAndTinyPhotosMatchReference) {
  const std::vector<Variant> variants = Variants();
  for (int width = 1; width <= 40; ++width) {
    for (int height : {1, 2, 4, 5, 6, 9, 19}) {
      const Raster photo =
          RandomPhoto(width, height, static_cast<std::uint32_t>(width * 100 + height));
      for (SketchTool tool : {SketchTool::Pen, SketchTool::Pencil, SketchTool::Soft}) {
        for (SketchPage page : kPages) {
          for (int step : {1, 2, 3, 6}) {
            ConvertSettings settings;
            settings.precision = 185;
            settings.lineStep = step;
            settings.choice = {tool, page};
            SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height) + " " +
                         ToolName(tool) + " step " + std::to_string(step));
            const Raster expected = reference::Convert(photo, settings);
            for (const Variant& v : variants) {
              settings.threads = v.threads;
              ASSERT_TRUE(SameRaster(expected, RunConvert(photo, settings, v.isa))) << Describe(v);
            }
          }
        }
      }
    }
  }
}

// Pure noise drives the counters to their extremes (up to 8 bright samples, darkness 6120).
TEST(EngineMatch, NoiseMatchesReference) {
  const Raster photo = testing::NoisePhoto(70, 33, 5);
  Raster black = testing::Plain(70, 33, 0, 0, 0);
  // One bright pixel: darkness 8 * 765 around it.
  testing::SetPixel(black, 35, 16, 255, 255, 255);
  const std::vector<Variant> variants = Variants();
  for (const Raster* source : {&photo, static_cast<const Raster*>(&black)}) {
    for (SketchTool tool : {SketchTool::Pen, SketchTool::Pencil, SketchTool::Soft}) {
      for (int precision : {0, 100, 170, 200}) {
        for (int step : {1, 2, 4}) {
          ConvertSettings settings;
          settings.precision = precision;
          settings.lineStep = step;
          settings.choice = {tool, SketchPage::Automatic};
          const Raster expected = reference::Convert(*source, settings);
          for (const Variant& v : variants) {
            settings.threads = v.threads;
            ASSERT_TRUE(SameRaster(expected, RunConvert(*source, settings, v.isa)))
                << Describe(v) << " " << ToolName(tool) << " precision " << precision << " step "
                << step;
          }
        }
      }
    }
  }
}

// Strokes of every tool at random places, partly or wholly outside the photo, over a sketch
// that already holds lines and paper, as retouching does.
TEST(EngineMatch, RetouchStrokesMatchReference) {
  const Raster photo = RandomPhoto(64, 48, 11);
  Raster start = RandomPhoto(65, 49, 12);
  const std::vector<Variant> variants = Variants();
  std::mt19937 random(3);
  auto draw = [&](int lo, int hi) {
    return lo + static_cast<int>(random() % static_cast<unsigned>(hi - lo + 1));
  };
  for (int stroke = 0; stroke < 600; ++stroke) {
    const int x0 = draw(-30, 70), y0 = draw(-30, 55);
    const int x1 = x0 + draw(-3, 50), y1 = y0 + draw(-3, 50);
    const EngineParameters parameters{200 - kPrecisions[draw(0, 2)], draw(1, 15), 1};
    const SketchChoice choice{kAllChoices[draw(0, 5)], kPages[draw(0, 1)]};
    SCOPED_TRACE("box (" + std::to_string(x0) + ", " + std::to_string(y0) + ", " +
                 std::to_string(x1) + ", " + std::to_string(y1) + ") " + ToolName(choice.checked) +
                 (choice.page == SketchPage::Manual ? " manual" : " automatic") + " step " +
                 std::to_string(parameters.LineStep) + " threshold " +
                 std::to_string(parameters.Threshold));
    Raster expected = start;
    reference::SketchRegion(x0, y0, x1, y1, photo, expected, parameters, choice);
    Raster actual = start;
    SketchRegion(x0, y0, x1, y1, photo, actual, parameters, choice);
    ASSERT_TRUE(SameRaster(expected, actual));
    for (const Variant& v : variants) {
      Raster each = start;
      EngineParameters threaded = parameters;
      threaded.threads = v.threads;
      RunSketchRegion(x0, y0, x1, y1, photo, each, threaded, choice, v.isa);
      ASSERT_TRUE(SameRaster(expected, each)) << Describe(v);
    }
    start = expected;  // strokes pile up, so the pencil darkens what earlier strokes left
  }
}

// The single-pixel kernel everywhere on a small photo, edges included.
TEST(EngineMatch, SketchPixelMatchesReferenceAtEveryPixel) {
  const Raster photo = RandomPhoto(23, 17, 21);
  for (SketchTool tool : kAllChoices) {
    for (int step : {1, 2, 5}) {
      const EngineParameters parameters{15, step, 1};
      Raster expected = RandomPhoto(24, 18, 22);
      Raster actual = expected;
      for (int y = -1; y <= 17; ++y) {
        for (int x = -1; x <= 23; ++x) {
          reference::SketchPixel(x, y, photo, expected, parameters, tool);
          SketchPixel(x, y, photo, actual, parameters, tool);
        }
      }
      ASSERT_TRUE(SameRaster(expected, actual)) << ToolName(tool) << " step " << step;
    }
  }
}

// A photo large enough that the automatic thread count splits it.
TEST(EngineMatch, LargePhotoWithAutomaticThreadsMatchesReference) {
  const Raster photo = RandomPhoto(331, 223, 31);
  for (SketchTool tool :
       {SketchTool::Pen, SketchTool::Pencil, SketchTool::Soft, SketchTool::ColourBrush}) {
    for (SketchPage page : kPages) {
      ConvertSettings settings;
      settings.lineStep = 2;
      settings.choice = {tool, page};
      ASSERT_TRUE(SameRaster(reference::Convert(photo, settings), Convert(photo, settings)))
          << ToolName(tool);
    }
  }
}

// Convert drawn band by band, as a conversion does while the photo is still being decoded: each
// band reads only the photo rows it names (the others are noise here), and paints and draws
// exactly its own rows over whatever they held.
TEST(EngineMatch, EachBandReadsOnlyThePhotoRowsItNamesAndWritesOnlyItsOwn) {
  const Raster photo = RandomPhoto(40, 61, 41);
  const Raster noise = testing::NoisePhoto(40, 61, 42);
  const Paper paper{RandomPhoto(6, 9, 43), PaperMode::Tile};
  for (SketchTool tool :
       {SketchTool::Pen, SketchTool::Pencil, SketchTool::Soft, SketchTool::ColourBrush}) {
    for (SketchPage page : kPages) {
      for (int step : {1, 4, 15}) {
        for (const Paper* laid : {static_cast<const Paper*>(nullptr), &paper}) {
          ConvertSettings settings;
          settings.lineStep = step;
          settings.choice = {tool, page};
          settings.paper = laid;
          SCOPED_TRACE(std::string(ToolName(tool)) + " step " + std::to_string(step) +
                       (laid != nullptr ? " paper" : ""));
          const Raster expected = reference::Convert(photo, settings);
          const ConvertPass pass(photo.Width(), photo.Height(), settings, BestKernelIsa());
          for (int first = 0; first <= photo.Height(); first += 7) {
            const int last = std::min(first + 6, photo.Height());
            if (pass.WholeSketchAtOnce()) {
              EXPECT_EQ(pass.FirstPhotoRowFor(first), 0);
              EXPECT_EQ(pass.PhotoRowsFor(last), photo.Height());
              continue;
            }
            std::vector<const std::uint8_t*> photoRows;
            for (int y = 0; y < photo.Height(); ++y) {
              const bool named = y >= pass.FirstPhotoRowFor(first) && y < pass.PhotoRowsFor(last);
              photoRows.push_back(named ? photo.Row(y) : noise.Row(y));
            }
            const Raster before = testing::NoisePhoto(41, 62, 44);
            Raster sketch = before;
            std::vector<std::uint8_t*> sketchRows;
            for (int y = 0; y < sketch.Height(); ++y) sketchRows.push_back(sketch.Row(y));
            pass.DrawRows({photoRows.data(), 0}, {sketchRows.data(), 0}, first, last);
            for (int y = 0; y < sketch.Height(); ++y) {
              const Raster& want = y >= first && y <= last ? expected : before;
              ASSERT_EQ(std::memcmp(sketch.Row(y), want.Row(y), 3 * 41), 0)
                  << "row " << y << " of the band " << first << ".." << last;
            }
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace graphitine
