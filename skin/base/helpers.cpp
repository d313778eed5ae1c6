#include "skin/base/helpers.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {

QPointer<QWidget>& MainForm() {
  static QPointer<QWidget> form;
  return form;
}

}  // namespace

bool InRect(const QPoint& point, int left, int top, int right, int bottom) {
  return InRect(point.x(), point.y(), left, top, right, bottom);
}

bool InRect(int x, int y, int left, int top, int right, int bottom) {
  return left <= x && x <= right && top <= y && y <= bottom;
}

void PlaceControl(QWidget* control, const QPoint& point) {
  if (control != nullptr) control->move(point);
}

void PlaceControl(QWidget* control, int left, int top, int right, int bottom) {
  if (control == nullptr) return;
  control->move(left, top);
  control->resize(right - left, bottom - top);
}

void SetSkinMainForm(QWidget* form) { MainForm() = form; }

QWidget* SkinMainForm() { return MainForm().data(); }

QRect GetWorkAreaRect() {
  const QWidget* form = SkinMainForm();
  QScreen* screen = form != nullptr ? form->screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

bool IsHasProperty(const QObject* component, const char* name) {
  return component != nullptr && component->metaObject()->indexOfProperty(name) >= 0;
}

QString PCharToStr(const char* text) {
  return text != nullptr ? QString::fromLocal8Bit(text) : QString();
}

bool FormHasFocus(const QWidget* form) {
  const QWidget* mainForm = SkinMainForm();
  if (mainForm == nullptr) return form != nullptr && form->isActiveWindow();
  if (QGuiApplication::applicationState() != Qt::ApplicationActive) return false;
  if (form == nullptr || form == mainForm) return true;
  return form->isActiveWindow();
}

bool ChangesCaptionedFace(QEvent::Type type) {
  switch (type) {
    case QEvent::FontChange:
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
    case QEvent::LayoutDirectionChange:
      return true;
    default:
      return false;
  }
}
