#include "skin/bars/toolbutton.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "skin/bars/toolbar.h"

TSkinToolButton::TSkinToolButton(TSkinToolBar* bar) : SkinButtonBase(bar) {
  setFocusPolicy(Qt::NoFocus);
  SetTransparent(true);  // at rest only the image and caption are drawn, over the bar
  if (bar != nullptr) bar->ArrangeButtons();
}

TSkinToolBar* TSkinToolButton::Bar() const { return qobject_cast<TSkinToolBar*>(parentWidget()); }

bool TSkinToolButton::IsHot() const {
  const TSkinToolBar* bar = Bar();
  return IsHovered() && bar != nullptr && bar->Flat() && isEnabled() && style_ != tbsSeparator;
}

void TSkinToolButton::SetCaption(const QString& text) {
  if (text == caption_) return;
  caption_ = text;
  update();
}

void TSkinToolButton::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  update();
}

void TSkinToolButton::SetStyle(TToolButtonStyle value) {
  if (value == style_) return;
  style_ = value;
  if (TSkinToolBar* bar = Bar()) bar->ArrangeButtons();
  update();
}

void TSkinToolButton::SetDown(bool value) {
  if (value == down_) return;
  down_ = value;
  update();
}

void TSkinToolButton::Click() {
  if (style_ == tbsCheck) SetDown(!down_);
  emit OnClick();
}

void TSkinToolButton::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  if (const TSkinToolBar* bar = Bar()) bar->DrawButton(canvas, *this);
}

// A separator takes no press; the arrow zone of a drop-down button opens its menu instead.
void TSkinToolButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && style_ == tbsSeparator) {
    QWidget::mousePressEvent(e);
    return;
  }
  const QPoint pos = e->position().toPoint();
  if (e->button() == Qt::LeftButton && style_ == tbsDropDown && dropdownMenu_ != nullptr &&
      pos.x() >= width() - TSkinToolBar::kDropDownArrowWidth) {
    dropdownMenu_->popup(mapToGlobal(QPoint(0, height())));
    return;
  }
  SkinButtonBase::mousePressEvent(e);
}

void TSkinToolButton::changeEvent(QEvent* e) {
  SkinButtonBase::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) update();
}
