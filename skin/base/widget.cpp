#include "skin/base/widget.h"

#include <QEvent>

TSkinWidget::TSkinWidget(QWidget* owner, TColor color)
    : QWidget(owner), look_(this, [this] { ApplyLook(); }, [this] { FileThemeGone(); }), color_(color) {
  setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void TSkinWidget::ApplyLook() {
  LookChanged();
  if (HandsLookDown()) ContainerApplyUIStyle(this, look_.UIStyle(), look_.FileTheme());
  update();
}

void TSkinWidget::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  setAttribute(Qt::WA_OpaquePaintEvent, !value);
  TransparentChanged();
  update();
}

TColor TSkinWidget::Color() const {
  if (!parentColor_) return color_;
  const QColor c = FaceColor();
  return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 | static_cast<TColor>(c.blue()) << 16;
}

void TSkinWidget::SetColor(TColor value) {
  if (value == color_ && !parentColor_) return;
  color_ = value;
  parentColor_ = false;
  ColorChanged();
  update();
}

void TSkinWidget::SetParentColor(bool value) {
  if (value == parentColor_) return;
  parentColor_ = value;
  ColorChanged();
  update();
}

// The palette's window colour is inherited from the parent unless someone set the control's own.
QColor TSkinWidget::FaceColor() const {
  return parentColor_ ? palette().color(QPalette::Active, QPalette::Window) : ToQColor(color_);
}

void TSkinWidget::SetTabStop(bool value) {
  const Qt::FocusPolicy policy = value ? TabStopFocus() : NoTabStopFocus();
  if (policy == focusPolicy()) return;
  setFocusPolicy(policy);
  update();
}

void TSkinWidget::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::PaletteChange && parentColor_) {
    ColorChanged();
    update();
  }
}
