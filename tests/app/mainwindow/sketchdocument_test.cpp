#include "app/mainwindow/sketchdocument.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "sketch/errors.h"
#include "sketch/picturefile.h"
#include "support/photos.h"

namespace graphitine {
namespace {

class SketchDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

  QTemporaryDir folder_;
  SketchDocument document_;
};

TEST_F(SketchDocumentTest, ConvertGivesTheConvertersSketch) {
  document_.Show(PatternPhoto(120, 90), Raster());
  SketchSettings settings;
  settings.precision = 0;
  settings.lineStep = 2;
  settings.choice.checked = SketchTool::Pen;
  document_.Convert(settings);
  EXPECT_EQ(document_.Sketch(), Convert(PatternPhoto(120, 90), settings.ForConvert()));
}

TEST_F(SketchDocumentTest, WithoutAPhotoConvertFailsAndAStrokeDoesNothing) {
  EXPECT_THROW(document_.Convert(SketchSettings{}), ConversionError);
  EXPECT_FALSE(document_.Retouch(BrushBox{0, 0, 40, 40}, SketchSettings{}));
  EXPECT_TRUE(document_.Sketch().IsEmpty());
  EXPECT_FALSE(document_.ChangedSinceSave());
}

TEST_F(SketchDocumentTest, ARetouchAfterLoadingPaintsOnAWhiteSketchOfTheSketchSize) {
  document_.Show(PatternPhoto(120, 90), Raster());
  SketchSettings settings;
  settings.choice = {SketchTool::ColourBrush, SketchPage::Manual};
  ASSERT_TRUE(document_.Retouch(BrushBox{10, 10, 30, 30}, settings));

  Raster expected(121, 91);
  SketchRegion(10, 10, 30, 30, PatternPhoto(120, 90), expected, settings.ForEngine(),
               settings.choice);
  EXPECT_EQ(document_.Sketch(), expected);
  EXPECT_TRUE(document_.ChangedSinceSave());
  document_.Save(folder_.filePath(QStringLiteral("s")).toStdString(), kBitmapKind);
  EXPECT_FALSE(document_.ChangedSinceSave());
}

TEST_F(SketchDocumentTest, AnEmptySketchIsNotSaved) {
  document_.Show(PatternPhoto(120, 90), Raster());
  const std::string name = folder_.filePath(QStringLiteral("empty.jpg")).toStdString();
  EXPECT_THROW(document_.Save(name, kJpegKind), Error);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(name)));
}

TEST_F(SketchDocumentTest, ClearShowsBarePaperOrNothing) {
  document_.Show(PatternPhoto(120, 90), Raster());
  document_.Convert(SketchSettings{});
  Paper paper{PatternPhoto(7, 5), PaperMode::Tile};
  document_.Clear(&paper);
  Raster expected;
  PaintPaper(expected, paper, 120, 90);
  EXPECT_EQ(document_.Sketch(), expected);
  document_.Clear(nullptr);
  EXPECT_TRUE(document_.Sketch().IsEmpty());
}

// Every change to the sketch undoes to the exact bytes before it and redoes to the exact bytes
// after it, on paper and without.
TEST_F(SketchDocumentTest, UndoAndRedoGiveTheExactSketchBack) {
  const Paper paper{PatternPhoto(7, 5), PaperMode::Stretch};
  SketchSettings pencil;
  pencil.choice = {SketchTool::Pencil, SketchPage::Manual};
  SketchSettings eraser;
  eraser.choice = {SketchTool::Eraser, SketchPage::Manual};
  SketchSettings brush;
  brush.choice = {SketchTool::ColourBrush, SketchPage::Manual};
  SketchSettings onPaper;
  onPaper.paper = std::make_shared<Paper>(paper);
  const auto stroke = [this](const SketchSettings& settings) {
    return [this, settings] {
      // A stroke of three overlapping steps, the last past the photo's corner.
      for (const BrushBox& box :
           {BrushBox{10, 10, 50, 50}, BrushBox{30, 20, 70, 60}, BrushBox{100, 70, 140, 110}}) {
        document_.Retouch(box, settings);
      }
      document_.EndStroke();
    };
  };
  struct Case {
    std::string name;
    std::function<void()> change;
  };
  const Case cases[] = {
      {"Convert", [this] { document_.Convert(SketchSettings{}); }},
      {"Convert on paper", [&] { document_.Convert(onPaper); }},
      {"eraser", stroke(eraser)},
      {"colour brush", stroke(brush)},
      {"re-conversion", stroke(pencil)},
      {"Clear", [this] { document_.Clear(nullptr); }},
      {"Clear to paper", [&] { document_.Clear(&paper); }},
  };
  for (const bool startOnPaper : {false, true}) {
    document_.Show(PatternPhoto(120, 90), Raster());
    std::vector<Raster> states{document_.Sketch()};
    for (const Case& c : cases) {
      if (startOnPaper && states.size() == 1) {
        document_.Convert(onPaper);
        states.push_back(document_.Sketch());
      }
      c.change();
      states.push_back(document_.Sketch());
      ASSERT_NE(states.back(), states[states.size() - 2]) << c.name;
      ASSERT_TRUE(document_.Undo() != nullptr) << c.name;
      EXPECT_EQ(document_.Sketch(), states[states.size() - 2]) << c.name;
      ASSERT_TRUE(document_.Redo() != nullptr) << c.name;
      EXPECT_EQ(document_.Sketch(), states.back()) << c.name;
    }
    // All the way back and forward again.
    for (std::size_t i = states.size() - 1; i > 0; --i) {
      document_.Undo();
      EXPECT_EQ(document_.Sketch(), states[i - 1]) << "back to state " << i - 1;
    }
    EXPECT_FALSE(document_.CanUndo());
    EXPECT_EQ(document_.Undo(), nullptr);
    for (std::size_t i = 1; i < states.size(); ++i) {
      document_.Redo();
      EXPECT_EQ(document_.Sketch(), states[i]) << "forward to state " << i;
    }
    EXPECT_FALSE(document_.CanRedo());
  }
}

// A step back to the saved sketch counts as saved; a new change after undoing drops the steps
// that could be redone, and with them the way back to the saved sketch.
TEST_F(SketchDocumentTest, TheLastSavedStateIsTracked) {
  document_.Show(PatternPhoto(120, 90), Raster());
  EXPECT_FALSE(document_.ChangedSinceSave());
  document_.Convert(SketchSettings{});
  EXPECT_TRUE(document_.HasUnsavedWork());
  document_.Save(folder_.filePath(QStringLiteral("s")).toStdString(), kBitmapKind);
  EXPECT_FALSE(document_.ChangedSinceSave());
  SketchSettings eraser;
  eraser.choice = {SketchTool::Eraser, SketchPage::Manual};
  document_.Retouch(BrushBox{10, 10, 50, 50}, eraser);
  EXPECT_TRUE(document_.ChangedSinceSave());  // the stroke is still open
  document_.Undo();
  EXPECT_FALSE(document_.ChangedSinceSave());
  document_.Undo();  // to before Convert: no sketch, nothing to lose
  EXPECT_TRUE(document_.ChangedSinceSave());
  EXPECT_FALSE(document_.HasUnsavedWork());
  document_.Redo();
  EXPECT_FALSE(document_.ChangedSinceSave());
  document_.Undo();
  const Paper paper{PatternPhoto(7, 5), PaperMode::Tile};
  document_.Clear(&paper);
  EXPECT_FALSE(document_.CanRedo());
  document_.Undo();
  EXPECT_TRUE(document_.ChangedSinceSave());

  // A new photo starts a new history, with nothing to save.
  document_.Show(PatternPhoto(60, 40), Raster());
  EXPECT_FALSE(document_.CanUndo());
  EXPECT_FALSE(document_.ChangedSinceSave());
}

// Past the cap the oldest steps go first; a step alone larger than the cap is not kept, and the
// history starts again after it.
TEST(SketchHistoryTest, DropsTheOldestStepsPastItsCap) {
  const Raster photo = PatternPhoto(200, 150);
  std::vector<Raster> states{Raster()};
  std::vector<RasterDelta> steps;
  for (int lineStep : {1, 2, 3}) {
    ConvertSettings settings;
    settings.lineStep = lineStep;
    states.push_back(Convert(photo, settings));
    steps.push_back(RasterDelta::Between(states[states.size() - 2], states.back()));
  }
  // Each step fits on its own, the last two together too, all three not.
  const std::size_t lastTwo = steps[1].Bytes() + steps[2].Bytes();
  SketchHistory history(std::max(lastTwo, steps[0].Bytes()));
  for (const RasterDelta& step : steps) history.Add(step);
  EXPECT_EQ(history.Bytes(), lastTwo);
  Raster sketch = states[3];
  history.Undo(sketch);
  history.Undo(sketch);
  EXPECT_EQ(sketch, states[1]);
  EXPECT_FALSE(history.CanUndo());

  SketchHistory tiny(steps[0].Bytes() - 1);
  tiny.Add(steps[0]);
  EXPECT_FALSE(tiny.CanUndo());
  EXPECT_FALSE(tiny.AtSaved());
  EXPECT_EQ(tiny.Bytes(), 0u);
}

}  // namespace
}  // namespace graphitine
