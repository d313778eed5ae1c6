#pragma once
// A shown, active window in known colours for pictures of controls: the form shows kFormColour,
// a control that fills its own background fills kButtonColour, captions are drawn without
// smoothing in kTextColour, so every pixel can be told apart.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QSet>
#include <QTest>
#include <QWidget>

#include "skin/look/builtinlooks.h"

inline constexpr QRgb kFormColour = 0xFF102030;
inline constexpr QRgb kButtonColour = 0xFF405060;
inline constexpr QRgb kTextColour = 0xFF01FE03;
inline constexpr QRgb kMagenta = 0xFFFF00FF;

class ControlPictureTest : public testing::Test {
 protected:
  void SetUp() override {
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(kFormColour));
    form.setPalette(palette);
    form.setAutoFillBackground(true);
    form.resize(300, 200);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  // Gives a new control the fixture's colours and crisp font and shows it on the form.
  template <typename Control>
  Control* Place(Control* control, QSize size, QPoint at = {20, 20}) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(kButtonColour));
    palette.setColor(QPalette::WindowText, QColor::fromRgb(kTextColour));
    control->setPalette(palette);
    QFont font = control->font();
    font.setStyleStrategy(QFont::NoAntialias);
    control->setFont(font);
    control->setGeometry(QRect(at, size));
    control->show();
    return control;
  }

  // What the user sees of a control: the form's pixels under it.
  QImage Render(const QWidget* control) {
    return form.grab(control->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
  }

  static QImage StripFrame(TSkinUIStyle style, int frame) {
    QImage picture;
    GetInsideThemeBitmap(style, 1, &picture, 3, frame);
    return picture.convertToFormat(QImage::Format_RGB32);
  }

  // The positions where two pictures of one size differ.
  static QSet<QPoint> Differences(const QImage& a, const QImage& b) {
    QSet<QPoint> points;
    for (int y = 0; y < a.height(); ++y) {
      for (int x = 0; x < a.width(); ++x) {
        if (a.pixel(x, y) != b.pixel(x, y)) points.insert({x, y});
      }
    }
    return points;
  }

  // Equal pictures; otherwise how many pixels differ and the first of them.
  static testing::AssertionResult SameImage(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) return testing::AssertionFailure() << "sizes differ";
    const QSet<QPoint> differences = Differences(actual, expected);
    if (differences.isEmpty()) return testing::AssertionSuccess();
    const QRect where = Bounds(differences);
    return testing::AssertionFailure()
           << differences.size() << " pixels differ, within (" << where.left() << ", "
           << where.top() << ") - (" << where.right() << ", " << where.bottom() << ")";
  }

  static QSet<QPoint> PixelsOf(const QImage& image, QRgb colour) {
    QSet<QPoint> points;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == colour) points.insert({x, y});
      }
    }
    return points;
  }

  static QRect Bounds(const QSet<QPoint>& points) {
    QRect bounds;
    for (const QPoint& p : points) bounds |= QRect(p, QSize(1, 1));
    return bounds;
  }

  static QSet<QPoint> Shifted(const QSet<QPoint>& points, QPoint by) {
    QSet<QPoint> shifted;
    for (const QPoint& p : points) shifted.insert(p + by);
    return shifted;
  }

  static void Hover(QWidget* w) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(w, &enter);
  }

  QWidget form;
};
