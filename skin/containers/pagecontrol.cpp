#include "skin/containers/pagecontrol.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

#include "skin/containers/tabcontroltoppanel.h"
#include "skin/containers/tabsheet.h"

namespace {

// The page's first child control takes the focus when it can. A window still being built
// keeps the focus it will start with.
void FocusFirstControl(TSkinTabSheet* page) {
  if (!page->window()->isVisible()) return;
  for (QObject* child : page->children()) {
    auto* control = qobject_cast<QWidget*>(child);
    if (control == nullptr || control->isWindow()) continue;
    if (!control->isHidden() && control->isEnabled() && control->focusPolicy() != Qt::NoFocus) {
      control->setFocus(Qt::OtherFocusReason);
    }
    return;
  }
}

}  // namespace

TSkinPageControl::TSkinPageControl(QWidget* owner) : TSkinTab(owner) {
  TopPanel()->SetTabs({});  // the pages bring their own tabs
  SkinDialogKeys::Attach(this);
  StartLook(owner);
}

// The sheets are deleted after this as children; they must not call back.
TSkinPageControl::~TSkinPageControl() {
  for (TSkinTabSheet* page : pages_) page->pageControl_ = nullptr;
}

int TSkinPageControl::ActivePageIndex() const {
  return active_ != nullptr ? active_->pageIndex_ : 0;
}

void TSkinPageControl::SetActivePageIndex(int index) { SetActivePage(Pages(index)); }

TSkinTabSheet* TSkinPageControl::Pages(int index) const {
  return index >= 0 && index < PageCount() ? pages_[index] : nullptr;
}

void TSkinPageControl::SetActivePage(TSkinTabSheet* sheet) {
  if (sheet == active_ || sheet == nullptr || sheet->pageControl_ != this) return;
  Activate(sheet);
}

void TSkinPageControl::Activate(TSkinTabSheet* sheet) {
  const int index = sheet->pageIndex_;
  if (TabIndex() != index) {
    SetTabIndex(index);  // the strip reports back through TabActive
    return;
  }
  if (sheet == active_) return;
  ShowPage(sheet, true);
  TSkinTab::TabActive(index);
}

void TSkinPageControl::TabActive(int index) {
  ShowPage(Pages(index), true);
  TSkinTab::TabActive(index);
}

// Inactive pages stay where they are, disabled, behind the active one.
void TSkinPageControl::ShowPage(TSkinTabSheet* sheet, bool focusFirstControl) {
  TSkinTabSheet* previous = active_;
  if (previous != nullptr && previous != sheet) {
    previous->setEnabled(false);
    previous->DoHide();
  }
  active_ = sheet;
  sheet->show();
  sheet->setEnabled(true);
  sheet->raise();
  if (focusFirstControl) FocusFirstControl(sheet);
  if (previous != sheet) sheet->DoShow();
}

TSkinTabSheet* TSkinPageControl::FindNextPage(const TSkinTabSheet* from, bool forward) const {
  const int count = PageCount();
  int start = forward ? -1 : count;
  if (from != nullptr && from->pageControl_ == this) start = from->pageIndex_;
  for (int step = 1; step <= count; ++step) {
    const int index = ((start + (forward ? step : -step)) % count + count) % count;
    if (index == start) break;
    if (pages_[index]->tabVisible_) return pages_[index];
  }
  return nullptr;
}

void TSkinPageControl::SelectNextPage(bool forward) {
  if (TSkinTabSheet* next = FindNextPage(active_, forward)) SetActivePage(next);
}

TSkinTabSheet* TSkinPageControl::NewPage() {
  QString name;
  for (int n = 1;; ++n) {
    name = QStringLiteral("skinTabSheet%1").arg(n);
    if (window()->objectName() != name && window()->findChild<QObject*>(name) == nullptr) break;
  }
  auto* sheet = new TSkinTabSheet(this);
  sheet->setObjectName(name);
  sheet->SetCaption(name);
  return sheet;
}

void TSkinPageControl::InsertPage(TSkinTabSheet* sheet) {
  sheet->pageControl_ = this;
  sheet->SetColor(Color());
  pages_.push_back(sheet);
  RebuildTabs();
  sheet->setGeometry(contentsRect());
  Activate(sheet);
}

// The page before the removed one becomes active; the new first page when it was the first.
void TSkinPageControl::RemovePage(TSkinTabSheet* sheet) {
  const auto found = std::find(pages_.begin(), pages_.end(), sheet);
  if (found == pages_.end()) return;
  const int index = sheet->pageIndex_;
  pages_.erase(found);
  sheet->pageControl_ = nullptr;
  sheet->pageIndex_ = -1;
  if (active_ == sheet) active_ = nullptr;
  RebuildTabs();
  if (!pages_.empty()) Activate(pages_[std::max(index - 1, 0)]);
}

void TSkinPageControl::MovePage(TSkinTabSheet* sheet, int index) {
  if (index < 0 || index >= PageCount()) return;
  pages_.erase(std::find(pages_.begin(), pages_.end(), sheet));
  pages_.insert(pages_.begin() + index, sheet);
  RebuildTabs();
  Activate(sheet);
}

// A hidden active tab hands over to the nearest page with a tab, searching backwards first.
void TSkinPageControl::TabVisibilityChanged(TSkinTabSheet* sheet) {
  RebuildTabs();
  if (sheet != active_ || sheet->tabVisible_) return;
  const int index = sheet->pageIndex_;
  for (int i = index - 1; i >= 0; --i) {
    if (pages_[i]->tabVisible_) return Activate(pages_[i]);
  }
  for (int i = index + 1; i < PageCount(); ++i) {
    if (pages_[i]->tabVisible_) return Activate(pages_[i]);
  }
}

void TSkinPageControl::RebuildTabs() {
  QStringList captions;
  for (int i = 0; i < PageCount(); ++i) {
    pages_[i]->pageIndex_ = i;
    captions << pages_[i]->caption_;
  }
  TopPanel()->SetTabs(captions);
  for (int i = 0; i < PageCount(); ++i) TopPanel()->SetTabVisible(i, pages_[i]->tabVisible_);
}

void TSkinPageControl::LayoutPages() {
  for (TSkinTabSheet* page : pages_) page->setGeometry(contentsRect());
}

void TSkinPageControl::ColorChanged() {
  for (TSkinTabSheet* page : pages_) page->SetColor(Color());
}

bool TSkinPageControl::event(QEvent* event) {
  const bool handled = TSkinTab::event(event);
  switch (event->type()) {
    case QEvent::Resize:
    case QEvent::ContentsRectChange:
      LayoutPages();
      break;
    case QEvent::ParentChange:
    case QEvent::Show:
      SkinDialogKeys::Attach(this);  // a new window routes the page keys
      break;
    default:
      break;
  }
  return handled;
}

bool TSkinPageControl::TakesPageKeys() const {
  if (!isVisible() || !isEnabled()) return false;
  for (const QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
    if (const auto* pages = qobject_cast<const TSkinPageControl*>(w)) return pages == this;
  }
  int candidates = 0;
  for (const TSkinPageControl* pages : window()->findChildren<TSkinPageControl*>()) {
    if (pages->window() == window() && pages->isVisible() && pages->isEnabled()) ++candidates;
  }
  return candidates == 1;
}

bool TSkinPageControl::DialogKey(const QKeyEvent& key) {
  const bool pageKey = (key.modifiers() & Qt::ControlModifier) != 0 &&
                       (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab);
  if (!pageKey || !TakesPageKeys()) return false;
  const bool forward = key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier) == 0;
  const bool hadFocus = isAncestorOf(QApplication::focusWidget());
  SelectNextPage(forward);
  // A page whose first control takes no focus leaves it here, where the next Ctrl+Tab finds it.
  if (hadFocus && !isAncestorOf(QApplication::focusWidget())) setFocus(Qt::TabFocusReason);
  return true;
}
