#include "skin/containers/checkgroup.h"

#include <QApplication>
#include <QFocusEvent>

#include "skin/containers/groupbuttons_p.h"

TSkinCheckGroup::TSkinCheckGroup(QWidget* owner) : TSkinCustomGroupBox(owner) {
  SetTabStop(true);
  StartLook(owner);
}

void TSkinCheckGroup::SetItems(const QStringList& items) {
  if (items == items_) return;
  items_ = items;
  UpdateButtons();
  ArrangeButtons();
}

void TSkinCheckGroup::UpdateButtons() {
  while (buttons_.size() < static_cast<size_t>(items_.size())) {
    TSkinCheckBox* item = CreateAButton();
    item->SetLook(UIStyle(), FileTheme());
    item->SetTransparent(Transparent());
    item->SetColor(Color());
    item->SetTabStop(false);
    connect(item, &TSkinCheckBox::OnClick, this, &TSkinCheckGroup::OnClick);
    item->show();
    buttons_.push_back(item);
  }
  while (buttons_.size() > static_cast<size_t>(items_.size())) {
    // The item may be the one whose click led here: it goes once its event is over.
    TSkinCheckBox* surplus = buttons_.back();
    buttons_.pop_back();
    disconnect(surplus, nullptr, this, nullptr);
    surplus->hide();
    surplus->deleteLater();
  }
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->SetCaption(items_[static_cast<int>(i)]);
    buttons_[i]->SetAutoSize2(true);
  }
}

// Items fill each column top to bottom before the next; rows share the height below
// TopMargin, the remainder split above and below them.
void TSkinCheckGroup::ArrangeButtons() {
  const int count = static_cast<int>(buttons_.size());
  if (count == 0) return;
  const QRect client = GetClient();
  const int top = client.top() + topMargin_;
  const int available = client.top() + client.height() - top;
  const int rows = (count + columns_ - 1) / columns_;
  const int columnWidth = (width() - 10) / columns_;
  const int rowHeight = available / rows;
  const int firstRow = (available % rows) / 2 + top;
  for (int i = 0; i < count; ++i) {
    TSkinCheckBox* item = buttons_[i];
    const int column = i / rows;
    const int left = isRightToLeft() ? width() - column * columnWidth - item->width() - 8
                                     : column * columnWidth + 8;
    item->move(left, (i % rows) * rowHeight + firstRow);
  }
}

void TSkinCheckGroup::SetColumns(int value) {
  if (value < 1 || value == columns_) return;
  columns_ = value;
  ArrangeButtons();
}

void TSkinCheckGroup::SetTopMargin(int value) {
  if (value < 0 || value == topMargin_) return;
  topMargin_ = value;
  ArrangeButtons();
}

bool TSkinCheckGroup::Checked(int index) const {
  return index >= 0 && index < static_cast<int>(buttons_.size()) && buttons_[index]->Checked();
}

void TSkinCheckGroup::SetChecked(int index, bool checked) {
  if (index >= 0 && index < static_cast<int>(buttons_.size())) buttons_[index]->SetChecked(checked);
}

bool TSkinCheckGroup::ItemEnabled(int index) const {
  return index >= 0 && index < static_cast<int>(buttons_.size()) && buttons_[index]->isEnabled();
}

void TSkinCheckGroup::SetItemEnabled(int index, bool enabled) {
  if (index >= 0 && index < static_cast<int>(buttons_.size())) buttons_[index]->setEnabled(enabled);
}

TSkinCheckBox* TSkinCheckGroup::CreateAButton() { return new TSkinCheckGroupButton(this); }

QWidget* TSkinCheckGroup::FocusTarget() const {
  if (buttons_.empty()) return nullptr;
  TSkinCheckBox* first = buttons_.front();
  return first->isEnabled() && first->isVisibleTo(this) ? first : nullptr;
}

void TSkinCheckGroup::TransparentChanged() {
  for (TSkinCheckBox* item : buttons_) item->SetTransparent(Transparent());
}

void TSkinCheckGroup::ColorChanged() {
  for (TSkinCheckBox* item : buttons_) item->SetColor(Color());
}

void TSkinCheckGroup::resizeEvent(QResizeEvent*) { ArrangeButtons(); }

void TSkinCheckGroup::changeEvent(QEvent* event) {
  TSkinCustomGroupBox::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange)
    ArrangeButtons();
}

void TSkinCheckGroup::focusInEvent(QFocusEvent* event) {
  TSkinCustomGroupBox::focusInEvent(event);
  if (QWidget* target = FocusTarget()) target->setFocus(event->reason());
}

// Shift+Tab from an item leaves the group: landing on the group would hand the focus straight
// back to the item.
bool TSkinCheckGroup::focusNextPrevChild(bool next) {
  if (next || !isAncestorOf(QApplication::focusWidget()))
    return TSkinCustomGroupBox::focusNextPrevChild(next);
  const Qt::FocusPolicy policy = focusPolicy();
  setFocusPolicy(Qt::ClickFocus);  // out of the Tab chain for this one move
  const bool moved = TSkinCustomGroupBox::focusNextPrevChild(next);
  setFocusPolicy(policy);
  return moved;
}
