#include "skin/inputs/listboxbase.h"

#include "skin/inputs/attachedbars_p.h"

SkinListBoxBase::SkinListBoxBase(QWidget* owner)
    : QListWidget(owner),
      SkinNativeLook(this),
      bars_(new SkinAttachedBars(this, SkinAttachedBars::Owner::ListBox)) {
  DeepenEdge(this, kBorderWidth);
}

TSkinScrollBar* SkinListBoxBase::VScrollBar() const { return bars_->Bar(Qt::Vertical); }

void SkinListBoxBase::SetVScrollBar(TSkinScrollBar* bar) { bars_->Attach(Qt::Vertical, bar); }

void SkinListBoxBase::LookChanged() { bars_->ApplyLook(UIStyle(), FileTheme()); }

bool SkinListBoxBase::event(QEvent* event) {
  const bool handled = QListWidget::event(event);
  PaintFrameAfter(*event);
  return handled;
}
