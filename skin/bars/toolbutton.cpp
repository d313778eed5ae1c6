#include "skin/bars/toolbutton.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "skin/bars/toolbar.h"

TSkinToolButton::TSkinToolButton(TSkinToolBar* bar) : QWidget(bar) {
  setFocusPolicy(Qt::NoFocus);
  if (bar != nullptr) bar->ArrangeButtons();
}

TSkinToolBar* TSkinToolButton::Bar() const { return qobject_cast<TSkinToolBar*>(parentWidget()); }

void TSkinToolButton::SetCaption(const QString& text) {
  caption_ = text;
  update();
}

void TSkinToolButton::SetImageIndex(int value) {
  imageIndex_ = value;
  update();
}

void TSkinToolButton::SetStyle(TToolButtonStyle value) {
  style_ = value;
  if (TSkinToolBar* bar = Bar()) bar->ArrangeButtons();
  update();
}

void TSkinToolButton::SetDown(bool value) {
  down_ = value;
  update();
}

void TSkinToolButton::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  if (const TSkinToolBar* bar = Bar()) bar->DrawButton(canvas, *this);
}

void TSkinToolButton::enterEvent(QEnterEvent* e) {
  QWidget::enterEvent(e);
  const TSkinToolBar* bar = Bar();
  hot_ = bar != nullptr && bar->Flat() && isEnabled() && style_ != tbsSeparator;
  update();
}

void TSkinToolButton::leaveEvent(QEvent* e) {
  QWidget::leaveEvent(e);
  hot_ = false;
  update();
}

// While the mouse is held the button shows itself held only with the pointer over it.
void TSkinToolButton::TrackPointer(const QPoint& pos) {
  const bool inside = rect().contains(pos);
  const TSkinToolBar* bar = Bar();
  selected_ = pressedHere_ && inside;
  hot_ = inside && bar != nullptr && bar->Flat();
  update();
}

void TSkinToolButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || style_ == tbsSeparator) {
    QWidget::mousePressEvent(e);
    return;
  }
  const QPoint pos = e->position().toPoint();
  if (style_ == tbsDropDown && dropdownMenu_ != nullptr && pos.x() >= width() - TSkinToolBar::kDropDownArrowWidth) {
    dropdownMenu_->popup(mapToGlobal(QPoint(0, height())));
    return;
  }
  pressedHere_ = true;
  TrackPointer(pos);
}

void TSkinToolButton::mouseMoveEvent(QMouseEvent* e) {
  QWidget::mouseMoveEvent(e);
  if (pressedHere_) TrackPointer(e->position().toPoint());
}

void TSkinToolButton::mouseReleaseEvent(QMouseEvent* e) {
  QWidget::mouseReleaseEvent(e);
  if (e->button() != Qt::LeftButton || !pressedHere_) return;
  const QPoint pos = e->position().toPoint();
  pressedHere_ = false;
  TrackPointer(pos);
  if (!rect().contains(pos)) return;
  if (style_ == tbsCheck) SetDown(!down_);
  emit OnClick();
}

void TSkinToolButton::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) {
    if (!isEnabled()) hot_ = false;
    update();
  }
}
