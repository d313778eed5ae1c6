// paper-textures: writes the drawing papers of the texture folder as 24-bit bitmaps.
//
//   paper-textures FOLDER
//
// Each paper is a tint lit by a few tileable fields: slow unevenness, the tooth (the raised
// grain that catches a pencil), pixel fleck, fibres and, for laid paper, the laid and
// chain lines of its mould. Everything repeats with the picture's size, so tiles meet without
// a seam. The same program always writes the same pictures.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "papernoise.h"
#include "sketch/bmpfile.h"
#include "sketch/errors.h"
#include "sketch/raster.h"

namespace papertextures {

namespace {

constexpr int kSize = 256;
constexpr double kPi = 3.14159265358979323846;

struct Recipe {
  const char* name;
  std::uint64_t seed;
  double red, green, blue;  // the tint
  double unevenness;        // slow clouding of the sheet
  double tooth;             // lit relief of the grain
  int toothCells;           // coarseness of the grain: cells across the sheet
  double fleck;             // pixel-fine noise
  int fibres;
  double fibreDarkness;  // negative: fibres lighter than the sheet
  double fibreLength;
  double laid;  // laid and chain lines of a mould, 0 for wove paper
};

constexpr Recipe kRecipes[] = {
    // Smooth white cartridge paper for pencil: fine, even tooth.
    {"cartridge", 11, 246, 243, 234, 0.015, 0.045, 64, 0.012, 260, 0.05, 14, 0},
    // Cold-pressed watercolour paper: a big, soft tooth on a cream sheet.
    {"watercolour", 23, 244, 238, 222, 0.03, 0.09, 16, 0.01, 120, 0.04, 20, 0},
    // Ingres (laid) paper in pale grey-blue: mould lines and a few long fibres.
    {"ingres", 37, 214, 220, 226, 0.025, 0.03, 64, 0.012, 400, 0.07, 24, 0.03},
    // Brown kraft paper: strong dark fibres.
    {"kraft", 41, 190, 152, 108, 0.05, 0.04, 64, 0.03, 1600, 0.16, 18, 0},
    // Grey newsprint: flat, flecked, short fibres.
    {"newsprint", 53, 222, 219, 208, 0.02, 0.015, 128, 0.035, 900, 0.08, 8, 0},
    // Rice paper (xuan): white, long light and dark fibres in layers.
    {"xuan", 67, 240, 236, 226, 0.04, 0.02, 32, 0.01, 450, 0.07, 50, 0},
    // Old parchment: yellowed and clouded.
    {"parchment", 79, 232, 214, 170, 0.08, 0.03, 32, 0.015, 200, 0.06, 16, 0},
};

// Laid lines run across the sheet four pixels apart; chain lines down it, 32 apart.
double MouldLines(int x, int y) {
  const double laid = std::cos(2 * kPi * y / 4.0);
  const double chain = std::exp(-std::pow(std::sin(kPi * x / 32.0) * 10, 2));
  return 0.5 * laid + 0.8 * chain;
}

graphitine::Raster MakePaper(const Recipe& recipe) {
  Random random(recipe.seed);
  const Field unevenness = FractalNoise(kSize, 4, 0.5, random);
  const Field tooth = Relief(FractalNoise(kSize, recipe.toothCells, 0.45, random));
  const Field fleck = ValueNoise(kSize, kSize, random);
  Field fibres = Fibres(kSize, recipe.fibres, recipe.fibreLength * 0.4, recipe.fibreLength,
                        recipe.fibreDarkness, random);
  if (recipe.name == std::string("xuan")) {
    // A second layer of lighter strands, as the sheet is couched from several.
    const Field light = Fibres(kSize, recipe.fibres, recipe.fibreLength * 0.4, recipe.fibreLength,
                               -recipe.fibreDarkness, random);
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) fibres.At(x, y) += light.At(x, y);
    }
  }

  graphitine::Raster paper(kSize, kSize);
  for (int y = 0; y < kSize; ++y) {
    std::uint8_t* row = paper.Row(y);
    for (int x = 0; x < kSize; ++x) {
      const double light = 1 + recipe.unevenness * unevenness.At(x, y) +
                           recipe.tooth * tooth.At(x, y) + recipe.fleck * fleck.At(x, y) -
                           recipe.laid * MouldLines(x, y) - std::clamp(fibres.At(x, y), -0.3, 0.5);
      const double bgr[3] = {recipe.blue, recipe.green, recipe.red};
      for (int c = 0; c < 3; ++c) {
        row[3 * x + c] =
            static_cast<std::uint8_t>(std::clamp(std::lround(bgr[c] * light), 0L, 255L));
      }
    }
  }
  return paper;
}

}  // namespace

}  // namespace papertextures

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: paper-textures FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  try {
    std::filesystem::create_directories(folder);
    for (const papertextures::Recipe& recipe : papertextures::kRecipes) {
      const std::filesystem::path file = folder / (std::string(recipe.name) + ".bmp");
      graphitine::WriteBmp(papertextures::MakePaper(recipe), file);
      std::printf("%s\n", file.string().c_str());
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "paper-textures: %s\n", error.what());
    return 1;
  }
  return 0;
}
