#include "skin/window/menubarbutton.h"

#include <QAction>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "skin/window/menubar.h"

namespace {
constexpr int kCaptionPadding = 7;  // on either side of the caption
}

TSkinMenuBarButton::TSkinMenuBarButton(TSkinMenuBar* bar, QAction* item)
    : SkinButtonBase(bar), bar_(bar), item_(item) {
  SetTransparent(true);  // the bar shows behind a button at rest
  SetTabStop(false);
  UpdateFromItem();
  StartLook(bar);
}

void TSkinMenuBarButton::UpdateFromItem() {
  if (item_.isNull()) return;
  const QString caption = item_->text();
  if (caption != caption_) {
    caption_ = caption;
    SetAcceleratorCaption(caption);
  }
  setEnabled(item_->isEnabled());
  setVisible(item_->isVisible());
  const QString shown = QString(caption).remove(QLatin1Char('&'));
  resize(QFontMetrics(font()).horizontalAdvance(shown) + 2 * kCaptionPadding, bar_->ButtonHeight());
  update();
}

void TSkinMenuBarButton::Click() { bar_->DropDown(this); }

void TSkinMenuBarButton::mousePressEvent(QMouseEvent* e) {
  // Menus drop down at the press, as a menu bar's do.
  if (e->button() == Qt::LeftButton && isEnabled()) {
    bar_->DropDown(this);
    return;
  }
  SkinButtonBase::mousePressEvent(e);
}

void TSkinMenuBarButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  bar_->DrawButton(painter, *this);
}
