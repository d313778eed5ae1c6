#include "skin/inputs/listbox.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "skin/paint/focusrect_p.h"

namespace {

constexpr int kTextInset = 2;
constexpr int kMaxMeasuredHeight = 255;

// Hands the painting and measuring of every item to the list box; Qt asks only for the items
// it shows.
class ItemDelegate : public QStyledItemDelegate {
 public:
  explicit ItemDelegate(TSkinListBox* list) : QStyledItemDelegate(list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (list_->Style() == TSkinListBox::lbStandard) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    painter->save();
    painter->setFont(option.font);
    list_->DrawItem(*painter, index.row(), option.rect, option.state);
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (list_->Style() == TSkinListBox::lbStandard) {
      return {list_->HorizontalExtent(), QStyledItemDelegate::sizeHint(option, index).height()};
    }
    return list_->ItemSize(index.row());
  }

 private:
  TSkinListBox* list_;
};

}  // namespace

TSkinListBox::TSkinListBox(QWidget* owner) : SkinListBoxBase(owner) {
  setItemDelegate(new ItemDelegate(this));
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemSelectionChanged, this, [this] { selectionTouched_ = true; });
  StartLook(owner);
}

void TSkinListBox::SetAlignment(Qt::Alignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  viewport()->update();
}

void TSkinListBox::SetSelectedColor(TColor value) {
  if (value == selectedColor_) return;
  selectedColor_ = value;
  viewport()->update();
}

void TSkinListBox::SetSelectedTextColor(TColor value) {
  if (value == selectedTextColor_) return;
  selectedTextColor_ = value;
  viewport()->update();
}

void TSkinListBox::SetDisabledTextColor(TColor value) {
  if (value == disabledTextColor_) return;
  disabledTextColor_ = value;
  viewport()->update();
}

void TSkinListBox::SetShowFocusRect(bool value) {
  if (value == showFocusRect_) return;
  showFocusRect_ = value;
  if (hasFocus()) viewport()->update();
}

void TSkinListBox::SetStyle(TListBoxStyle value) {
  if (value == style_) return;
  style_ = value;
  setUniformItemSizes(value != lbOwnerDrawVariable);
  Relayout();
}

void TSkinListBox::SetItemHeight(int value) {
  if (value == itemHeight_ || value <= 0) return;
  itemHeight_ = value;
  Relayout();
}

void TSkinListBox::SetHorizontalExtent(int value) {
  value = std::max(value, 0);
  if (value == horizontalExtent_) return;
  horizontalExtent_ = value;
  Relayout();
}

void TSkinListBox::Relayout() {
  scheduleDelayedItemsLayout();
  viewport()->update();
}

QStringList TSkinListBox::Items() const {
  QStringList items;
  items.reserve(count());
  for (int i = 0; i < count(); ++i) items.append(item(i)->text());
  return items;
}

void TSkinListBox::SetItems(const QStringList& items) {
  clear();
  addItems(items);
}

void TSkinListBox::SetMultiSelect(bool value) {
  if (value == multiSelect_) return;
  multiSelect_ = value;
  ApplySelectionMode();
}

void TSkinListBox::SetExtendedSelect(bool value) {
  if (value == extendedSelect_) return;
  extendedSelect_ = value;
  ApplySelectionMode();
}

void TSkinListBox::ApplySelectionMode() {
  if (!multiSelect_) {
    setSelectionMode(SingleSelection);
  } else {
    setSelectionMode(extendedSelect_ ? ExtendedSelection : MultiSelection);
  }
}

int TSkinListBox::MeasureString(const QString& text, int width) const {
  const QFontMetrics metrics(font());
  if (width <= 0) return metrics.horizontalAdvance(text);
  const QRect bounds = metrics.boundingRect(QRect(0, 0, width - kTextInset, kMaxMeasuredHeight),
                                            Qt::TextSingleLine | Qt::AlignLeft, text);
  return std::min(bounds.height(), kMaxMeasuredHeight);
}

int TSkinListBox::MeasureItem(int index) {
  int height = itemHeight_;
  if (index < 0 || index >= count()) return height;
  if (isSignalConnected(QMetaMethod::fromSignal(&TSkinListBox::OnMeasureItem))) {
    emit OnMeasureItem(index, height);
    return height;
  }
  return MeasureString(item(index)->text(), viewport()->width());
}

QSize TSkinListBox::ItemSize(int index) {
  return {horizontalExtent_, style_ == lbOwnerDrawVariable ? MeasureItem(index) : itemHeight_};
}

void TSkinListBox::DrawItem(QPainter& painter, int index, const QRect& rect, QStyle::State state) {
  QColor background = ToQColor(Color());
  QColor text = palette().color(QPalette::Text);
  if (state & QStyle::State_Selected) {
    background = ToQColor(selectedColor_);
    text = ToQColor(selectedTextColor_);
  }
  if (!(state & QStyle::State_Enabled)) text = ToQColor(disabledTextColor_);
  painter.setBrush(background);
  painter.setPen(text);
  if (isSignalConnected(QMetaMethod::fromSignal(&TSkinListBox::OnDrawItem))) {
    emit OnDrawItem(&painter, index, rect, state);
    return;
  }
  DefaultDrawItem(painter, index, rect);
  if (showFocusRect_ && (state & QStyle::State_HasFocus)) DrawFocusRect(painter, rect);
}

void TSkinListBox::DefaultDrawItem(QPainter& painter, int index, const QRect& rect) {
  painter.fillRect(rect, painter.brush());
  if (index < 0 || index >= count()) return;
  QRect textRect = rect;
  if (layoutDirection() == Qt::RightToLeft) {
    textRect.setRight(textRect.right() - kTextInset);
  } else {
    textRect.setLeft(textRect.left() + kTextInset);
  }
  const Qt::Alignment placed =
      QStyle::visualAlignment(layoutDirection(), alignment_ & Qt::AlignHorizontal_Mask);
  painter.drawText(textRect, static_cast<int>(placed | Qt::AlignVCenter) | Qt::TextSingleLine,
                   item(index)->text());
}

// An empty list shows where its first item would be, and the focus there.
void TSkinListBox::paintEvent(QPaintEvent* event) {
  SkinListBoxBase::paintEvent(event);
  if (count() > 0 || !hasFocus() || style_ == lbStandard) return;
  QPainter painter(viewport());
  const QRect first(0, 0, viewport()->width(), itemHeight_);
  painter.fillRect(first, ToQColor(Color()));
  DrawFocusRect(painter, first);
}

void TSkinListBox::mouseReleaseEvent(QMouseEvent* event) {
  SkinListBoxBase::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
    emit OnClick();
}

void TSkinListBox::keyPressEvent(QKeyEvent* event) {
  emit OnKeyDown(event->key(), event->modifiers());
  const int row = currentRow();
  selectionTouched_ = false;
  SkinListBoxBase::keyPressEvent(event);
  if (selectionTouched_ || currentRow() != row) emit OnClick();
}
