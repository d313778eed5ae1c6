#include "skin/base/widget.h"

#include <QEvent>
#include <QPalette>
#include <QScopedValueRollback>

namespace {

// The palette's resolve bits of the Window role, in every colour group.
QPalette::ResolveMask WindowRoleBits() {
  QPalette probe;
  probe.setResolveMask(0);
  probe.setBrush(QPalette::Window, probe.brush(QPalette::Window));
  return probe.resolveMask();
}

}  // namespace

TSkinWidget::TSkinWidget(QWidget* owner, TColor color)
    : QWidget(owner),
      look_(
          this, [this] { ApplyLook(); }, [this] { FileThemeGone(); }),
      color_(color) {
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
  return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 |
         static_cast<TColor>(c.blue()) << 16;
}

void TSkinWidget::SetColor(TColor value) {
  if (value == color_ && !parentColor_) return;
  color_ = value;
  parentColor_ = false;
  ColorSettingChanged();
}

void TSkinWidget::SetParentColor(bool value) {
  if (value == parentColor_) return;
  parentColor_ = value;
  ColorSettingChanged();
}

// Children that follow ParentColor fill with the window colour they inherit: an own colour
// becomes the palette's, and following the parent again drops it from the palette's own roles
// (keeping the rest, a group box's text colour) so the parent's comes through once more.
void TSkinWidget::ColorSettingChanged() {
  QPalette colours = palette();
  if (parentColor_) {
    colours.setResolveMask(colours.resolveMask() & ~WindowRoleBits());
  } else {
    colours.setColor(QPalette::Window, ToQColor(color_));
  }
  {
    // The palette change reaches changeEvent first; the raise below stands for it.
    const QScopedValueRollback settingColor(settingColor_, true);
    setPalette(colours);
  }
  RaiseColorChanged();
}

void TSkinWidget::RaiseColorChanged() {
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
  // The inherited window colour changed: the parent's colour, or an ancestor's.
  if (e->type() == QEvent::PaletteChange && parentColor_ && !settingColor_) RaiseColorChanged();
}
