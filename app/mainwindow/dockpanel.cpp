#include "app/mainwindow/dockpanel.h"

#include "app/programlook.h"

TDockPanel::TDockPanel(QWidget* parent, Bevel bevel) : QFrame(parent) {
  PaintWindowBackground(this);
  if (bevel == Bevel::Lowered) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
  }
}

void TDockPanel::Dock(QWidget* child, TAlign align) {
  docked_.emplace_back(child, align);
  DockChildren();
}

void TDockPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  DockChildren();
}

// Top children first, then bottom, left, right and client, each kind in docking order.
void TDockPanel::DockChildren() {
  QRect rest = contentsRect();
  QWidget* client = nullptr;
  for (const TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (const auto& [child, align] : docked_) {
      if (align == kind) DockChild(child, align, rest, client);
    }
  }
  if (client != nullptr) client->setGeometry(rest);
}

void TDockPanel::DockChild(QWidget* child, TAlign align, QRect& rest, QWidget*& client) {
  const QSize size = child->size();
  switch (align) {
    case alTop:
      child->setGeometry(rest.left(), rest.top(), rest.width(), size.height());
      rest.setTop(rest.top() + size.height());
      break;
    case alBottom:
      child->setGeometry(rest.left(), rest.bottom() + 1 - size.height(), rest.width(),
                         size.height());
      rest.setBottom(rest.bottom() - size.height());
      break;
    case alLeft:
      child->setGeometry(rest.left(), rest.top(), size.width(), rest.height());
      rest.setLeft(rest.left() + size.width());
      break;
    case alRight:
      child->setGeometry(rest.right() + 1 - size.width(), rest.top(), size.width(), rest.height());
      rest.setRight(rest.right() - size.width());
      break;
    case alClient:
      client = child;
      break;
    case alNone:
      break;
  }
}
