#include "skin/base/widget.h"

TSkinWidget::TSkinWidget(QWidget* owner)
    : QWidget(owner), look_(this, [this] { ApplyLook(); }, [this] { FileThemeGone(); }) {
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
