#include "skin/inputs/nativelook.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>

#include "skin/paint/slicing_p.h"

SkinNativeLook::SkinNativeLook(QWidget* control)
    : control_(control), look_(control, [this] { ApplyLook(); }), color_(clWindow) {}

SkinNativeLook::~SkinNativeLook() = default;

void SkinNativeLook::ApplyLook() {
  borderColor_ = look_.Color(SkinEntry::ControlBorderColor);
  LookChanged();
  control_->update();
}

void SkinNativeLook::SetBorderColor(TColor value) {
  if (value == borderColor_) return;
  borderColor_ = value;
  control_->update();
}

void SkinNativeLook::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  ColorChanged();
  control_->update();
}

void SkinNativeLook::ColorChanged() {
  QPalette palette = control_->palette();
  palette.setColor(QPalette::Base, ToQColor(color_));
  control_->setPalette(palette);
}

void SkinNativeLook::PaintFrame(QPainter& painter) const {
  DrawControlBorder(painter, control_->size(), ToQColor(borderColor_), ToQColor(color_), true);
}

void SkinNativeLook::DeepenEdge(QFrame* area, int depth) {
  area->setFrameStyle(QFrame::Box | QFrame::Plain);
  area->setLineWidth(depth);
}

void SkinNativeLook::PaintFrameAfter(const QEvent& event) const {
  if (event.type() != QEvent::Paint) return;
  QPainter painter(control_);
  PaintFrame(painter);
}
