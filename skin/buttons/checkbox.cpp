#include "skin/buttons/checkbox.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "skin/base/helpers.h"
#include "skin/paint/focusrect_p.h"
#include "skin/paint/keyedpicture_p.h"

TSkinCheckBox::TSkinCheckBox(QWidget* owner) : SkinButtonBase(owner, clWindow) {
  resize(93, 17);
  setFocusPolicy(Qt::StrongFocus);
  StartLook(owner);
}

void TSkinCheckBox::LookChanged() {
  for (int n = 1; n <= 4; ++n) {
    const QImage frame = Look().Bitmap(GetPicThemeIndex(), 4, n);
    // Drawn with the toolkit's automatic transparency when the subclass asks for it.
    frames_[n - 1] = GetPicTransparent() ? KeyedPicture(frame, SkinKeyPixel::BottomLeft) : frame;
  }
  FitSize();
  update();
}

void TSkinCheckBox::SetAutoSize2(bool value) {
  if (value == autoSize_) return;
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
  if (text == caption_) return;
  caption_ = text;
  SetAcceleratorCaption(text);
  FitSize();
  update();
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

  if (!Transparent()) canvas.fillRect(rect(), FaceColor());

  // The caption keeps the font colour when disabled: only the frame shows the state.
  canvas.setPen(palette().color(QPalette::Active, QPalette::WindowText));
  canvas.setFont(font());
  const int textFlags =
      Qt::AlignTop | Qt::AlignAbsolute | Qt::TextSingleLine | Qt::TextShowMnemonic;
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

void TSkinCheckBox::AcceleratorPressed() {
  if (!isEnabled()) return;
  if ((focusPolicy() & Qt::ClickFocus) != 0 && isVisible()) setFocus(Qt::ShortcutFocusReason);
  Click();
}

void TSkinCheckBox::focusInEvent(QFocusEvent* e) {
  SkinButtonBase::focusInEvent(e);
  update();
}

void TSkinCheckBox::focusOutEvent(QFocusEvent* e) {
  SkinButtonBase::focusOutEvent(e);
  update();
}

void TSkinCheckBox::changeEvent(QEvent* e) {
  SkinButtonBase::changeEvent(e);
  if (e->type() == QEvent::FontChange) FitSize();
  if (ChangesCaptionedFace(e->type())) update();
}

// An auto-sized control keeps its fitted size whatever size it is given.
void TSkinCheckBox::resizeEvent(QResizeEvent* e) {
  SkinButtonBase::resizeEvent(e);
  FitSize();
}
