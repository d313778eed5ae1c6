#include "app/mainwindow/sketchdocument.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

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
  EXPECT_FALSE(document_.RetouchedSinceSave());
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
  EXPECT_TRUE(document_.RetouchedSinceSave());
  document_.Save(folder_.filePath(QStringLiteral("s")).toStdString(), kBitmapKind);
  EXPECT_FALSE(document_.RetouchedSinceSave());
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

}  // namespace
}  // namespace graphitine
