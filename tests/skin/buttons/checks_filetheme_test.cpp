// Check boxes, radio buttons and progress bars that take their look from a theme file: the
// pictures and colours it holds, a picture it lacks, and the theme going away.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <memory>

#include "skin/bars/progressbar.h"
#include "skin/buttons/checkbox.h"
#include "skin/buttons/radiobutton.h"
#include "skin/look/filetheme.h"
#include "skin/look/themefilewriter.h"

namespace {

const QRgb kFrameColours[4] = {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200),
                               qRgb(200, 200, 0)};

QByteArray BmpBytes(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "BMP");
  return bytes;
}

// Four flat frames of 10 x 12 side by side.
QImage FlatStrip() {
  QImage strip(40, 12, QImage::Format_RGB32);
  for (int x = 0; x < 40; ++x) {
    for (int y = 0; y < 12; ++y) strip.setPixel(x, y, kFrameColours[x / 10]);
  }
  return strip;
}

// A theme with a check-box strip, a progress picture and control colours, and no radio-button
// picture.
class ChecksFileThemeTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("flat.skin");
    TSkinThemeFileWriter writer(file);
    writer.AddFileData("CheckBoxImage", BmpBytes(FlatStrip()));
    QImage progress(4, 10, QImage::Format_RGB32);
    progress.fill(qRgb(10, 20, 30));
    writer.AddFileData("ProgressBarImage", BmpBytes(progress));
    writer.AddInteger("ControlBorderColor", 0x112233);
    writer.AddInteger("ControlBackgroundColor", 0x445566);
    writer.Save();
    theme = std::make_unique<TSkinFileTheme>();
    theme->SetThemeFile(file);
    ASSERT_TRUE(theme->CanUse());
  }
  template <class Control>
  std::unique_ptr<Control> Themed() {
    auto control = std::make_unique<Control>();
    control->SetFileTheme(theme.get());
    control->SetUIStyle(TSkinUIStyle::FromThemeFile);
    return control;
  }
  QTemporaryDir dir;
  std::unique_ptr<TSkinFileTheme> theme;
};

TEST_F(ChecksFileThemeTest, CheckBoxDrawsAndSizesByTheFilesStrip) {
  std::unique_ptr<TSkinCheckBox> box = Themed<TSkinCheckBox>();
  box->SetCaption("Theme");
  const QFontMetrics metrics(box->font());
  EXPECT_EQ(box->size(), QSize(10 + metrics.horizontalAdvance("Theme") + 8,
                               std::max(metrics.height() + 2, 12) + 4));
  box->SetChecked(true);
  box->setEnabled(false);
  const QImage face = box->grab().toImage();
  EXPECT_EQ(face.pixel(1, (box->height() - 12) / 2), kFrameColours[2]);
  EXPECT_EQ(face.pixel(10, (box->height() - 12) / 2 + 11), kFrameColours[2]);
}

TEST_F(ChecksFileThemeTest, MissingPictureLeavesAFrameOfZeroSize) {
  std::unique_ptr<TSkinRadioButton> radio = Themed<TSkinRadioButton>();
  radio->SetCaption("No picture");
  const QFontMetrics metrics(radio->font());
  EXPECT_EQ(radio->size(),
            QSize(metrics.horizontalAdvance("No picture") + 8, metrics.height() + 2 + 4));
}

TEST_F(ChecksFileThemeTest, ThemeGoingAwayTurnsTheControlsToDeepBlue) {
  std::unique_ptr<TSkinCheckBox> box = Themed<TSkinCheckBox>();
  std::unique_ptr<TSkinProgressBar> bar = Themed<TSkinProgressBar>();
  box->SetCaption("Theme");
  theme.reset();
  EXPECT_EQ(box->FileTheme(), nullptr);
  EXPECT_EQ(box->UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_EQ(box->width(), 13 + QFontMetrics(box->font()).horizontalAdvance("Theme") + 8);
  EXPECT_EQ(bar->UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_EQ(bar->Color(), 0xE8E8E8u);
  EXPECT_EQ(bar->BorderColor(), 0x000000u);
}

TEST_F(ChecksFileThemeTest, ProgressBarTakesPictureAndColoursFromTheFile) {
  std::unique_ptr<TSkinProgressBar> bar = Themed<TSkinProgressBar>();
  EXPECT_EQ(bar->Picture().size(), QSize(4, 10));
  EXPECT_EQ(bar->Color(), 0x445566u);
  EXPECT_EQ(bar->BorderColor(), 0x112233u);
  bar->SetOrientation(skinVertical);
  EXPECT_EQ(bar->Picture().size(), QSize(10, 4));
}

}  // namespace
