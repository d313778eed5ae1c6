#include "skin/inputs/memo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocumentFragment>

#include "skin/inputs/attachedbars_p.h"

TSkinMemo::TSkinMemo(QWidget* owner)
    : QPlainTextEdit(owner),
      SkinNativeLook(this),
      bars_(new SkinAttachedBars(this, SkinAttachedBars::Owner::Memo)) {
  DeepenEdge(this, kBorderWidth);
  ApplyScrollBars();
  SetWantTabs(false);
  connect(bars_, &SkinAttachedBars::BarsChanged, this, &TSkinMemo::ChooseNativeBars);
  // The text scrolls its vertical bar with the bar's signals blocked; the scroll shows here.
  connect(this, &QPlainTextEdit::updateRequest, bars_, [this](const QRect&, int dy) {
    if (dy != 0) bars_->Copy();
  });
  StartLook(owner);
}

TSkinScrollBar* TSkinMemo::VScrollBar() const { return bars_->Bar(Qt::Vertical); }
void TSkinMemo::SetVScrollBar(TSkinScrollBar* bar) { bars_->Attach(Qt::Vertical, bar); }
TSkinScrollBar* TSkinMemo::HScrollBar() const { return bars_->Bar(Qt::Horizontal); }
void TSkinMemo::SetHScrollBar(TSkinScrollBar* bar) { bars_->Attach(Qt::Horizontal, bar); }

void TSkinMemo::SetScrollBars(TScrollStyle value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  ApplyScrollBars();
}

void TSkinMemo::ApplyScrollBars() {
  const bool horizontal = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
  const bool vertical = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TSkinMemo::ChooseNativeBars() {
  const bool horizontal = HScrollBar() != nullptr;
  const bool vertical = VScrollBar() != nullptr;
  if (horizontal && vertical) {
    SetScrollBars(ssBoth);
  } else if (vertical) {
    SetScrollBars(ssVertical);
  } else if (horizontal) {
    SetScrollBars(ssHorizontal);
  } else {
    SetScrollBars(ssNone);
  }
}

QStringList TSkinMemo::Lines() const {
  const QString text = toPlainText();
  return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void TSkinMemo::SetLines(const QStringList& lines) { setPlainText(lines.join(u'\n')); }

void TSkinMemo::LookChanged() { bars_->ApplyLook(UIStyle(), FileTheme()); }

bool TSkinMemo::event(QEvent* event) {
  const bool handled = QPlainTextEdit::event(event);
  PaintFrameAfter(*event);
  return handled;
}

void TSkinMemo::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr) return;
  if (source->hasText()) {
    insertPlainText(source->text());
  } else if (source->hasHtml()) {
    insertPlainText(QTextDocumentFragment::fromHtml(source->html()).toPlainText());
  }
}

void TSkinMemo::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !wantReturns_ && !(event->modifiers() & Qt::ControlModifier)) {
    event->ignore();
    return;
  }
  if (enter && !wantReturns_) {
    insertPlainText(QStringLiteral("\n"));
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}
