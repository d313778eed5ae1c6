#include "skin/buttons/checkbox.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "skin/paint/focusrect_p.h"
#include "skin/paint/keyedpicture_p.h"

namespace {

constexpr TColor kSystemWindowColor = 0x80000005;  // clWindow

TColor FromQColor(const QColor& c) {
  return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 |
         static_cast<TColor>(c.blue()) << 16;
}

bool IsClickKey(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

TSkinCheckBox::TSkinCheckBox(QWidget* owner)
    : TSkinWidget(owner), color_(kSystemWindowColor), accelerator_(this) {
  resize(93, 17);
  setFocusPolicy(Qt::StrongFocus);
  StartLook(owner);
}

void TSkinCheckBox::LookChanged() {
  for (int n = 1; n <= 4; ++n) {
    QImage frame = Look().Bitmap(GetPicThemeIndex(), 4, n);
    // The toolkit's automatic transparency leaves out the colour of the bottom-left pixel.
    frames_[n - 1] = GetPicTransparent() && !frame.isNull()
                         ? KeyedPicture(frame, frame.pixel(0, frame.height() - 1))
                         : frame;
  }
  FitSize();
  update();
}

void TSkinCheckBox::SetAutoSize2(bool value) {
  autoSize_ = value;
  FitSize();
  update();
}

void TSkinCheckBox::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  update();
  CheckStateChanged();
}

void TSkinCheckBox::SetCaption(const QString& text) {
  caption_ = text;
  accelerator_.SetCaption(text);
  FitSize();
  update();
}

TColor TSkinCheckBox::Color() const {
  return parentColor_ ? FromQColor(FillColor()) : color_;
}

void TSkinCheckBox::SetColor(TColor value) {
  color_ = value;
  parentColor_ = false;
  update();
}

void TSkinCheckBox::SetParentColor(bool value) {
  parentColor_ = value;
  update();
}

QColor TSkinCheckBox::FillColor() const {
  // The palette's window colour is inherited from the parent unless someone set our own.
  return parentColor_ ? palette().color(QPalette::Active, QPalette::Window) : ToQColor(color_);
}

bool TSkinCheckBox::TabStop() const { return (focusPolicy() & Qt::TabFocus) != 0; }

void TSkinCheckBox::SetTabStop(bool value) {
  // A click still focuses a control that Tab passes over.
  setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TSkinCheckBox::NeedDrawFocus() const { return TabStop() && hasFocus(); }

void TSkinCheckBox::CheckStateChanged() { emit OnClick(); }

void TSkinCheckBox::DoClick() {
  Toggle();
  SetChecked(!checked_);
}

int TSkinCheckBox::FrameNumber() const {
  if (checked_) return isEnabled() ? 1 : 3;
  return isEnabled() ? 2 : 4;
}

QSize TSkinCheckBox::FittedSize() const {
  const QSize frame = frames_[FrameNumber() - 1].size();
  const QFontMetrics metrics(font());
  return {frame.width() + metrics.horizontalAdvance(caption_) + 8,
          std::max(metrics.height() + 2, frame.height()) + 4};
}

void TSkinCheckBox::FitSize() {
  // Layouts leave an auto-sized control at its fitted size.
  const QSizePolicy::Policy policy = autoSize_ ? QSizePolicy::Fixed : QSizePolicy::Preferred;
  if (sizePolicy().horizontalPolicy() != policy) setSizePolicy(policy, policy);
  if (!autoSize_ || size() == FittedSize()) return;
  resize(FittedSize());
  updateGeometry();
}

QSize TSkinCheckBox::sizeHint() const { return autoSize_ ? FittedSize() : size(); }

void TSkinCheckBox::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  const QImage& frame = frames_[FrameNumber() - 1];
  const int w = width();
  const int h = height();
  const int textHeight = QFontMetrics(font()).height();
  const int textTop = (h - textHeight) / 2;
  const int frameTop = (h - frame.height()) / 2;

  if (!Transparent()) canvas.fillRect(rect(), FillColor());

  // The caption keeps the font colour when disabled: only the frame shows the state.
  canvas.setPen(palette().color(QPalette::Active, QPalette::WindowText));
  canvas.setFont(font());
  const int textFlags = Qt::AlignTop | Qt::AlignAbsolute | Qt::TextSingleLine | Qt::TextShowMnemonic;
  QRect textRect;
  QRect focusRect;
  if (isRightToLeft()) {
    canvas.drawImage(w - frame.width() - 1, frameTop, frame);
    textRect = QRect(QPoint(0, textTop), QPoint(w - frame.width() - 5, h - 1));
    canvas.drawText(textRect, textFlags | Qt::AlignRight, caption_);
    focusRect = QRect(QPoint(0, textTop), QPoint(w - frame.width() - 3, textTop + textHeight + 1));
  } else {
    canvas.drawImage(1, frameTop, frame);
    textRect = QRect(QPoint(frame.width() + 4, textTop), QPoint(w - 1, h - 1));
    canvas.drawText(textRect, textFlags | Qt::AlignLeft, caption_);
    focusRect = QRect(QPoint(frame.width() + 3, textTop), QPoint(w - 1, textTop + textHeight + 1));
  }
  if (NeedDrawFocus()) DrawFocusRect(canvas, focusRect);
}

bool TSkinCheckBox::event(QEvent* e) {
  if (accelerator_.IsAccelerator(e)) {
    if (isEnabled()) {
      if ((focusPolicy() & Qt::ClickFocus) != 0 && isVisible()) setFocus(Qt::ShortcutFocusReason);
      Click();
    }
    return true;
  }
  return QWidget::event(e);
}

// Qt has already moved the focus here on the press (the click focus policy).
void TSkinCheckBox::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) pressed_ = true;
}

void TSkinCheckBox::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const bool click = pressed_ && rect().contains(e->position().toPoint());
  pressed_ = false;
  if (click) Click();
}

void TSkinCheckBox::keyReleaseEvent(QKeyEvent* e) {
  if (!e->isAutoRepeat() && WantKeyUp() && IsClickKey(e->key()) && hasFocus() && isEnabled()) {
    update();
    Click();
    return;
  }
  QWidget::keyReleaseEvent(e);
}

void TSkinCheckBox::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  update();
}

void TSkinCheckBox::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  update();
}

void TSkinCheckBox::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  switch (e->type()) {
    case QEvent::FontChange:
      FitSize();
      update();
      break;
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
    case QEvent::LayoutDirectionChange:
      update();
      break;
    default:
      break;
  }
}

// An auto-sized control keeps its fitted size whatever size it is given.
void TSkinCheckBox::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  FitSize();
}
