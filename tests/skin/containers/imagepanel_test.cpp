// The image panel's pixels (plain, stretched, tiled, see-through), auto size, caption and clicks.
#include "skin/containers/imagepanel.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <initializer_list>

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kParent = 0xFF00FFFF;  // the host's cyan background

QImage Picture(int w, int h, std::initializer_list<QRgb> pixels) {
  QImage picture(w, h, QImage::Format_RGB32);
  auto it = pixels.begin();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) picture.setPixel(x, y, *it++);
  }
  return picture;
}

// Red green / blue yellow.
QImage Quad() { return Picture(2, 2, {kRed, kGreen, kBlue, kYellow}); }

class ImagePanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(kParent));
    host_.setPalette(palette);
    host_.setAutoFillBackground(true);
    host_.resize(200, 100);
    panel_ = new TSkinImagePanel(&host_);
    panel_->move(0, 0);
    panel_->SetColor(0xFFFFFF);
    host_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host_));
  }

  // What the host shows where the panel lies.
  QImage Shown() {
    return host_.grab(panel_->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
  }

  void ExpectPixels(const std::function<QRgb(int, int)>& expected, const char* what) {
    const QImage shown = Shown();
    ASSERT_EQ(shown.size(), panel_->size()) << what;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        EXPECT_EQ(shown.pixel(x, y), expected(x, y)) << what << " at " << x << "," << y;
      }
    }
  }

  QWidget host_;
  TSkinImagePanel* panel_ = nullptr;
};

TEST_F(ImagePanelTest, DrawStylesPlaceThePicture) {
  const QImage quad = Quad();
  struct Case {
    const char* what;
    TSkinDrawStyle style;
    QSize size;
    std::function<QRgb(int, int)> expected;
  } const cases[] = {
      {"plain",
       skinNormal,
       {5, 3},
       [&](int x, int y) { return x < 2 && y < 2 ? quad.pixel(x, y) : kWhite; }},
      {"stretched", skinStretch, {4, 6}, [&](int x, int y) { return quad.pixel(x / 2, y / 3); }},
      {"tiled", skinTile, {5, 3}, [&](int x, int y) { return quad.pixel(x % 2, y % 2); }},
  };
  for (const Case& c : cases) {
    panel_->resize(c.size);
    panel_->SetDrawStyle(c.style);
    panel_->SetPicture(quad);
    ExpectPixels(c.expected, c.what);
  }
}

TEST_F(ImagePanelTest, WithoutAPictureThePanelShowsItsColour) {
  panel_->resize(4, 3);
  panel_->SetColor(0x0000FF);  // red in TColor's byte order
  ExpectPixels([](int, int) { return kRed; }, "opaque");
  panel_->SetTransparent(true);
  ExpectPixels([](int, int) { return kParent; }, "transparent");
}

TEST_F(ImagePanelTest, TransparentPanelShowsTheParentThroughTheBottomLeftColour) {
  // Magenta bottom-left: every magenta pixel lets the parent through, as on the track bar's
  // slider; the rest of the panel outside the picture shows the parent too.
  const QImage keyedOnMagenta = Picture(3, 2, {kRed, kMagenta, kGreen, kMagenta, kBlue, kMagenta});
  panel_->resize(5, 3);
  panel_->SetTransparent(true);
  panel_->SetPicture(keyedOnMagenta);
  ExpectPixels(
      [&](int x, int y) {
        if (x >= 3 || y >= 2) return kParent;
        const QRgb p = keyedOnMagenta.pixel(x, y);
        return p == kMagenta ? kParent : p;
      },
      "magenta key");

  // The key is whatever the bottom-left pixel holds, not magenta as such.
  const QImage keyedOnBlue = Picture(2, 2, {kMagenta, kBlue, kBlue, kRed});
  panel_->SetPicture(keyedOnBlue);
  ExpectPixels(
      [&](int x, int y) {
        if (x >= 2 || y >= 2) return kParent;
        const QRgb p = keyedOnBlue.pixel(x, y);
        return p == kBlue ? kParent : p;
      },
      "blue key");

  // Stretched and tiled pictures keep their see-through pixels.
  panel_->resize(4, 4);
  panel_->SetDrawStyle(skinStretch);
  ExpectPixels(
      [&](int x, int y) {
        const QRgb p = keyedOnBlue.pixel(x / 2, y / 2);
        return p == kBlue ? kParent : p;
      },
      "stretched");

  // Turning Transparent off draws the key colour again.
  panel_->SetTransparent(false);
  ExpectPixels([&](int x, int y) { return keyedOnBlue.pixel(x / 2, y / 2); }, "opaque again");
}

TEST_F(ImagePanelTest, AutoSizeTakesWhatTheDockingLeavesFree) {
  const QImage picture(7, 9, QImage::Format_RGB32);
  struct Case {
    TAlign align;
    QSize size;
  } const cases[] = {
      {alNone, {7, 9}},  {alTop, {50, 9}},   {alBottom, {50, 9}},
      {alLeft, {7, 40}}, {alRight, {7, 40}}, {alClient, {50, 40}},
  };
  for (const Case& c : cases) {
    TSkinImagePanel panel(&host_);
    panel.resize(50, 40);
    panel.SetAlign(c.align);
    panel.SetPicture(picture);
    EXPECT_EQ(panel.size(), QSize(50, 40)) << "AutoSize is off by default";
    panel.SetAutoSize(true);
    EXPECT_EQ(panel.size(), c.size) << int(c.align);
  }
}

TEST_F(ImagePanelTest, AutoSizeFollowsEveryNewPicture) {
  panel_->SetAutoSize(true);
  EXPECT_EQ(panel_->size(), QSize(185, 41)) << "nothing to take the size of yet";
  panel_->SetPicture(QImage(11, 20, QImage::Format_RGB32));
  EXPECT_EQ(panel_->size(), QSize(11, 20));
  panel_->SetPicture(QImage(19, 11, QImage::Format_RGB32));
  EXPECT_EQ(panel_->size(), QSize(19, 11));
  panel_->SetAutoSize(false);
  panel_->SetPicture(QImage(3, 3, QImage::Format_RGB32));
  EXPECT_EQ(panel_->size(), QSize(19, 11));
}

// The bounding box of the pixels the caption changed on a plain white panel.
QRect CaptionBox(const QImage& shown) {
  QRect box;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      if (shown.pixel(x, y) != kWhite) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST_F(ImagePanelTest, CaptionIsPlacedByAlignmentOrAtItsFixedPosition) {
  panel_->resize(160, 40);
  panel_->SetCaption("   ");
  EXPECT_TRUE(CaptionBox(Shown()).isNull()) << "a caption of blanks is not drawn";

  panel_->SetCaption("Wg");
  struct Case {
    Qt::Alignment alignment;
    std::function<bool(const QRect&)> placed;
    const char* what;
  } const cases[] = {
      {Qt::AlignLeft, [](const QRect& b) { return b.left() < 5; }, "left"},
      {Qt::AlignRight, [](const QRect& b) { return b.right() > 154; }, "right"},
      {Qt::AlignHCenter, [](const QRect& b) { return std::abs(b.center().x() - 80) <= 2; },
       "centre"},
  };
  for (const Case& c : cases) {
    panel_->SetAlignment(c.alignment);
    const QRect box = CaptionBox(Shown());
    ASSERT_FALSE(box.isNull()) << c.what;
    EXPECT_TRUE(c.placed(box)) << c.what << ": " << box.left() << ".." << box.right();
    EXPECT_LE(std::abs(box.center().y() - 20), 3) << c.what << " is vertically centred";
  }

  panel_->SetCaptionPosX(100);
  const QRect stillAligned = CaptionBox(Shown());
  EXPECT_LT(stillAligned.left(), 100) << "a fixed position needs both coordinates";
  panel_->SetCaptionPosY(2);
  const QRect fixed = CaptionBox(Shown());
  EXPECT_GE(fixed.left(), 100);
  EXPECT_LE(fixed.left(), 103);
  EXPECT_GE(fixed.top(), 2);
  EXPECT_LT(fixed.bottom(), 20);
}

TEST_F(ImagePanelTest, ClickNeedsPressAndReleaseOnThePanel) {
  panel_->resize(40, 30);
  QSignalSpy clicks(panel_, &TSkinCustomPanel::OnClick);
  QSignalSpy downs(panel_, &TSkinCustomPanel::OnMouseDown);
  QTest::mouseClick(panel_, Qt::LeftButton, {}, QPoint(12, 7));
  EXPECT_EQ(clicks.count(), 1);
  ASSERT_EQ(downs.count(), 1);
  EXPECT_EQ(downs[0][2].toInt(), 12);
  EXPECT_EQ(downs[0][3].toInt(), 7);

  QTest::mousePress(panel_, Qt::LeftButton, {}, QPoint(12, 7));
  QTest::mouseRelease(panel_, Qt::LeftButton, {}, QPoint(60, 7));  // dragged off first
  EXPECT_EQ(clicks.count(), 1);
  QTest::mouseClick(panel_, Qt::RightButton, {}, QPoint(12, 7));
  EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
