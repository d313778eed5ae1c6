#include "skin/inputs/customcombobox.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPolygon>
#include <QStyledItemDelegate>
#include <algorithm>

#include "skin/base/platform_p.h"

namespace {

constexpr QRgb kShadowWhite = 0xFFFFFFFF;
constexpr QRgb kDisabledGrey = 0xFF808080;

// Rows of the list as high as the box's ItemHeight says.
class RowDelegate : public QStyledItemDelegate {
 public:
  explicit RowDelegate(TSkinCustomComboBox* box) : QStyledItemDelegate(box), box_(box) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (box_->ItemHeight() > 0) size.setHeight(box_->ItemHeight());
    return size;
  }

 private:
  TSkinCustomComboBox* box_;
};

}  // namespace

TSkinCustomComboBox::TSkinCustomComboBox(QWidget* owner)
    : QComboBox(owner), SkinNativeLook(this), popup_(view()->window()) {
  setEditable(true);
  WatchTyping();
  setItemDelegate(new RowDelegate(this));
  popup_->installEventFilter(this);
  connect(this, &QComboBox::activated, this, &TSkinCustomComboBox::OnChange);
}

void TSkinCustomComboBox::WatchTyping() {
  if (lineEdit() != nullptr)
    connect(lineEdit(), &QLineEdit::textEdited, this, &TSkinCustomComboBox::OnChange);
}

void TSkinCustomComboBox::LookChanged() {
  arrowColor_ = clBlack;
  buttonColor_ = Look().Color(SkinEntry::FormBackgroundColor);
  const TSkinUIStyle style = UIStyle();
  buttonPicture_ = QImage();
  if (style == TSkinUIStyle::MacOS)
    buttonPicture_ = LoadSkinResource(QStringLiteral("MACOS_COMBOBOX_BUTTON"));
  if (style == TSkinUIStyle::WinXP)
    buttonPicture_ = LoadSkinResource(QStringLiteral("WINXP_COMBOBOX_BUTTON"));
  buttonHasArrow_ = style != TSkinUIStyle::WinXP;
}

// A list-only box shows its text on the button face.
void TSkinCustomComboBox::ColorChanged() {
  SkinNativeLook::ColorChanged();
  QPalette palette = this->palette();
  palette.setColor(QPalette::Button, ToQColor(Color()));
  setPalette(palette);
}

void TSkinCustomComboBox::SetArrowColor(TColor value) {
  if (value == arrowColor_) return;
  arrowColor_ = value;
  update();
}

void TSkinCustomComboBox::SetButtonColor(TColor value) {
  if (value == buttonColor_) return;
  buttonColor_ = value;
  update();
}

void TSkinCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (value == style_) return;
  style_ = value;
  setEditable(value != csDropDownList);
  WatchTyping();
  update();
}

void TSkinCustomComboBox::SetItemHeight(int value) {
  if (value == itemHeight_) return;
  itemHeight_ = std::max(value, 0);
  view()->doItemsLayout();
}

bool TSkinCustomComboBox::DroppedDown() const { return popup_->isVisible(); }

void TSkinCustomComboBox::SetDroppedDown(bool value) {
  if (value == DroppedDown()) return;
  if (value) {
    showPopup();
  } else {
    hidePopup();
  }
  update();
}

void TSkinCustomComboBox::hidePopup() {
  QComboBox::hidePopup();
  if (parentWidget() != nullptr) parentWidget()->update();
}

void TSkinCustomComboBox::changeEvent(QEvent* event) {
  QComboBox::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) update();
}

void TSkinCustomComboBox::paintEvent(QPaintEvent* event) {
  QComboBox::paintEvent(event);
  QPainter painter(this);
  DrawButton(painter);
}

void TSkinCustomComboBox::DrawButton(QPainter& painter) const {
  SkinComboBoxInfo info;
  if (!SkinGetComboBoxInfo(this, &info)) return;
  if (style_ == csSimple && !PaintsSimpleStyle()) return;
  PaintFrame(painter);  // the two rings cover the native edge

  const QRect button = info.button;
  if (!buttonPicture_.isNull()) {
    painter.drawImage(button, buttonPicture_);
  } else {
    painter.fillRect(button, ToQColor(buttonColor_));
    const int x =
        layoutDirection() == Qt::RightToLeft ? button.left() + button.width() - 1 : button.left();
    painter.fillRect(x, button.top() - 1, 1, button.height() + 2, ToQColor(BorderColor()));
  }
  if (!buttonHasArrow_) return;
  // The arrow is centred across the button; down it goes by half the button's height from the
  // box's top, not the button's.
  DrawArrow(painter, button.width() / 2 + button.left() - 3, button.height() / 2);
}

// A downward triangle 7 pixels wide and 4 high with its top left corner at (x, y).
void TSkinCustomComboBox::DrawArrow(QPainter& painter, int x, int y) const {
  const auto triangle = [&painter](int left, int top, const QColor& colour) {
    QPolygon corners;
    corners << QPoint(left, top) << QPoint(left + 6, top) << QPoint(left + 3, top + 3);
    painter.setPen(QPen(colour, 0));
    painter.setBrush(colour);
    painter.drawPolygon(corners);
  };
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (isEnabled()) {
    triangle(x, y, ToQColor(arrowColor_));
  } else {
    triangle(x + 1, y + 1, QColor::fromRgb(kShadowWhite));
    triangle(x, y, QColor::fromRgb(kDisabledGrey));
  }
  painter.restore();
}

// The open list gets its frame after its own painting.
bool TSkinCustomComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != popup_ || event->type() != QEvent::Paint)
    return QComboBox::eventFilter(watched, event);
  static_cast<QObject*>(popup_)->event(event);
  QPainter painter(popup_);
  painter.setPen(QPen(ToQColor(BorderColor()), 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(popup_->rect().adjusted(0, 0, -1, -1));
  return true;
}
