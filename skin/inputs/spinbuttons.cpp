#include "skin/inputs/spinbuttons.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "skin/buttons/arrowbutton.h"

namespace {

constexpr int kRepeatMs = 400;

TSkinArrowButton* MakeButton(TSkinSpinButtons* owner,
                             TSkinArrowButton::TSkinArrowButtonType arrow) {
  auto* button = new TSkinArrowButton(owner);
  button->SetArrow(arrow);
  button->SetTabStop(false);
  button->SetMouseContinuouslyDownInterval(kRepeatMs);
  return button;
}

}  // namespace

TSkinSpinButtons::TSkinSpinButtons(QWidget* owner)
    : TSkinWidget(owner),
      up_(MakeButton(this, TSkinArrowButton::skinUp)),
      down_(MakeButton(this, TSkinArrowButton::skinDown)) {
  for (TSkinArrowButton* button : {up_, down_}) {
    const auto raise =
        button == up_ ? &TSkinSpinButtons::OnUpClick : &TSkinSpinButtons::OnDownClick;
    connect(button, &TSkinCustomButton::OnClick, this, raise);
    connect(button, &TSkinCustomButton::OnMouseContinuouslyDown, this, raise);
  }
  resize(20, 25);
  StartLook(owner);
}

// The up button takes the upper half and one pixel more; the down button the rest, starting on
// the up button's last row.
void TSkinSpinButtons::resizeEvent(QResizeEvent*) {
  if (width() < kMinWidth) {
    resize(kMinWidth, height());  // comes back here with the adjusted size
    return;
  }
  const int w = width();
  const int h = height();
  up_->setGeometry(0, 0, w, h / 2 + 1);
  down_->setGeometry(0, up_->height() - 1, w, h - up_->height() + 1);
}

void TSkinSpinButtons::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up) {
    up_->Click();
  } else if (event->key() == Qt::Key_Down) {
    down_->Click();
  } else {
    TSkinWidget::keyPressEvent(event);
  }
}

void TSkinSpinButtons::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), FaceColor());
}
