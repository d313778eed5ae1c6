// The skinned combo box: the drop-down button per look and the arrow on exact pixels (picture or
// flat face, enabled or greyed), the native look kept in the simple style, the frame round the
// open list, and the native list still opened and chosen from by mouse and keys.
#include "skin/inputs/combobox.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

#include "skin/base/platform_p.h"
#include "skin/look/builtinlooks.h"
#include "tests/skin/support/active_window_fixture.h"

namespace {

constexpr TColor kArrowMagenta = 0xFF00FF;
constexpr QRgb kMagentaPixel = 0xFFFF00FF;

class ComboBoxTest : public ActiveWindowTest {
 protected:
  // The paper list of the main window: a list-only box 81 by 21.
  TSkinComboBox* MakeBox(TSkinUIStyle style) {
    auto* box = new TSkinComboBox(&window_);
    box->SetUIStyle(style);
    box->SetStyle(TSkinCustomComboBox::csDropDownList);
    box->SetItems({QString::fromUtf8("空白"), "canvas", "paper"});
    box->setGeometry(10, 10, 81, 21);
    box->show();
    return box;
  }
};

QImage Shown(QWidget* control) {
  return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect Button(const TSkinComboBox* box) {
  SkinComboBoxInfo info;
  EXPECT_TRUE(SkinGetComboBoxInfo(box, &info));
  return info.button;
}

// The pixels of the 7 by 4 downward arrow whose top left corner is at the given point.
QSet<QPoint> Arrow(QPoint at) {
  QSet<QPoint> pixels;
  for (int row = 0; row < 4; ++row) {
    for (int x = row; x <= 6 - row; ++x) pixels.insert(at + QPoint(x, row));
  }
  return pixels;
}

QSet<QPoint> PixelsOf(const QImage& image, QRgb colour) {
  QSet<QPoint> points;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == colour) points.insert({x, y});
    }
  }
  return points;
}

// Across the button's middle, down by half the button's height from the box's top.
QPoint ArrowCorner(const QRect& button) {
  return {button.width() / 2 + button.left() - 3, button.height() / 2};
}

TEST_F(ComboBoxTest, ButtonIsThePictureOrAFlatFaceAsTheLookSays) {
  struct Case {
    TSkinUIStyle style;
    const char* picture;  // none: a flat face
    bool arrow;
  };
  const Case cases[] = {
      {TSkinUIStyle::MacOS, "MACOS_COMBOBOX_BUTTON", true},
      {TSkinUIStyle::WinXP, "WINXP_COMBOBOX_BUTTON", false},
      {TSkinUIStyle::DeepBlue, nullptr, true},
      {TSkinUIStyle::Protein, nullptr, true},
      {TSkinUIStyle::BlueGlass, nullptr, true},
  };
  for (const Case& c : cases) {
    TSkinComboBox* box = MakeBox(c.style);
    box->SetArrowColor(kArrowMagenta);
    box->SetButtonColor(0x00FFFF);  // yellow
    box->SetBorderColor(0xFF0000);  // blue
    const QImage shown = Shown(box);
    const QRect button = Button(box);
    const QString name = QString::number(static_cast<int>(c.style));
    EXPECT_EQ(PixelsOf(shown, kMagentaPixel), c.arrow ? Arrow(ArrowCorner(button)) : QSet<QPoint>())
        << name.toStdString();
    EXPECT_EQ(shown.pixel(0, 0), 0xFF0000FFu) << "the frame";
    const QPoint face(button.right() - 1, button.top() + 1);
    if (c.picture != nullptr) {
      const QImage picture =
          LoadSkinResource(c.picture).scaled(button.size()).convertToFormat(QImage::Format_RGB32);
      EXPECT_EQ(shown.pixel(face), picture.pixel(face - button.topLeft())) << c.picture;
    } else {
      EXPECT_EQ(shown.pixel(face), 0xFFFFFF00u) << "ButtonColor, look " << name.toStdString();
      EXPECT_EQ(shown.pixel(button.left(), button.center().y()), 0xFF0000FFu)
          << "the separating line";
    }
    delete box;
  }
}

TEST_F(ComboBoxTest, DisabledArrowIsGreyOnAWhiteShadow) {
  TSkinComboBox* box = MakeBox(TSkinUIStyle::DeepBlue);
  box->setEnabled(false);
  const QImage shown = Shown(box);
  const QPoint corner = ArrowCorner(Button(box));
  const QSet<QPoint> arrow = Arrow(corner);
  QSet<QPoint> shadow;
  for (const QPoint& p : arrow) shadow.insert(p + QPoint(1, 1));
  for (const QPoint& p : arrow) EXPECT_EQ(shown.pixel(p), 0xFF808080u) << p.x() << "," << p.y();
  for (const QPoint& p : shadow - arrow)
    EXPECT_EQ(shown.pixel(p), 0xFFFFFFFFu) << p.x() << "," << p.y();
}

TEST_F(ComboBoxTest, NewLookSetsTheArrowBackToBlack) {
  TSkinComboBox* box = MakeBox(TSkinUIStyle::DeepBlue);
  box->SetArrowColor(kArrowMagenta);
  box->SetUIStyle(TSkinUIStyle::Protein);
  EXPECT_EQ(box->ArrowColor(), clBlack);
  EXPECT_EQ(
      box->ButtonColor(),
      GetInsideThemeColor(TSkinUIStyle::Protein, static_cast<int>(SkinEntry::FormBackgroundColor)));
}

TEST_F(ComboBoxTest, SimpleStyleKeepsTheNativeLook) {
  TSkinComboBox* box = MakeBox(TSkinUIStyle::DeepBlue);
  box->SetStyle(TSkinCustomComboBox::csSimple);
  box->SetArrowColor(kArrowMagenta);
  box->SetBorderColor(0xFF00FF);
  EXPECT_TRUE(PixelsOf(Shown(box), kMagentaPixel).isEmpty());
}

TEST_F(ComboBoxTest, OpenListIsFramedAndChosenFromByMouseAndKeys) {
  TSkinComboBox* box = MakeBox(TSkinUIStyle::MacOS);
  box->SetBorderColor(0xFF0000);  // blue
  int changes = 0;
  QObject::connect(box, &TSkinCustomComboBox::OnChange, [&] { ++changes; });
  QTest::mouseClick(box, Qt::LeftButton, {}, Button(box).center());
  ASSERT_TRUE(box->DroppedDown());
  QWidget* list = box->view()->window();
  const QImage framed = list->grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (const QPoint corner : {QPoint(0, 0), QPoint(framed.width() - 1, framed.height() - 1)}) {
    EXPECT_EQ(framed.pixel(corner), 0xFF0000FFu);
  }
  QTest::keyClick(box->view(), Qt::Key_Down);
  QTest::keyClick(box->view(), Qt::Key_Return);
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(box->currentIndex(), 1);
  EXPECT_EQ(changes, 1);
}

}  // namespace
