#include "skin/containers/groupbox.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "skin/base/helpers.h"
#include "skin/paint/penpath_p.h"

namespace {

constexpr int kChildGap = 3;
constexpr QRgb kDisabledCaption = 0xFF808080;

}  // namespace

TSkinCustomGroupBox::TSkinCustomGroupBox(QWidget* owner) : TSkinWidget(owner) {
  resize(185, 105);
  AlignControls();
}

void TSkinCustomGroupBox::LookChanged() {
  SetBorderColor(Look().Color(SkinEntry::ControlBorderColor));
  SetFontColor(Look().Color(SkinEntry::ControlFontColor));
}

// Losing the theme turns the children to DeepBlue too; the group follows.
void TSkinCustomGroupBox::FileThemeGone() {
  ContainerApplyUIStyle(this, TSkinUIStyle::DeepBlue, nullptr);
  TSkinWidget::FileThemeGone();
}

void TSkinCustomGroupBox::SetBorderColor(TColor value) {
  if (value == borderColor_) return;
  borderColor_ = value;
  update();
}

void TSkinCustomGroupBox::SetCaption(const QString& value) {
  if (value == caption_) return;
  caption_ = value;
  update();
}

// The palette's text colour reaches the children too, as the font's colour does.
void TSkinCustomGroupBox::SetFontColor(TColor value) {
  if (value == fontColor_) return;
  fontColor_ = value;
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, ToQColor(value));
  setPalette(colours);
}

int TSkinCustomGroupBox::FontHeight() const { return QFontInfo(font()).pixelSize(); }

QRect TSkinCustomGroupBox::GetClient() const {
  return QRect(QPoint(3, FontHeight()), QPoint(width() - 3, height() - 3));
}

void TSkinCustomGroupBox::AlignControls() {
  setContentsMargins(kChildGap, FontHeight() + 5, kChildGap, kChildGap);
}

void TSkinCustomGroupBox::changeEvent(QEvent* event) {
  TSkinWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) AlignControls();
  if (ChangesCaptionedFace(event->type())) update();
}

// The frame runs around the box at half the caption's height and leaves a gap in the top
// border for the caption, on the right while reading right to left.
void TSkinCustomGroupBox::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  if (!Transparent()) canvas.fillRect(rect(), FaceColor());
  canvas.setFont(font());
  const int textWidth = QFontMetrics(font()).horizontalAdvance(caption_);
  const int y = FontHeight() / 2 + 1;
  const int right = width();
  const int bottom = height();
  const QColor border = ToQColor(borderColor_);
  const bool rightToLeft = isRightToLeft();
  if (rightToLeft) {
    const int gapEnd = caption_.isEmpty() ? right - 1 : right - textWidth - 7;
    DrawPenPath(canvas, border,
                {{right - 3, y},
                 {right - 1, y},
                 {right - 1, bottom - 1},
                 {1, bottom - 1},
                 {1, y},
                 {gapEnd, y}});
  } else {
    const int gapEnd = caption_.isEmpty() ? 0 : 6 + textWidth;
    DrawPenPath(
        canvas, border,
        {{2, y}, {0, y}, {0, bottom - 1}, {right - 1, bottom - 1}, {right - 1, y}, {gapEnd, y}});
  }
  canvas.setPen(isEnabled() ? palette().color(QPalette::Active, QPalette::WindowText)
                            : QColor::fromRgb(kDisabledCaption));
  const int textLeft = rightToLeft ? right - textWidth - 6 : 5;
  canvas.drawText(QRect(textLeft, 0, right, bottom),
                  Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
}

void TSkinCustomGroupBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) clickArmed_ = true;
}

void TSkinCustomGroupBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !clickArmed_) return;
  clickArmed_ = false;
  if (rect().contains(event->position().toPoint())) emit OnClick();
}
