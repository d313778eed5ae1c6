#include "skin/bars/progressbar.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <limits>

#include "skin/paint/turns_p.h"

namespace {

// rect given by its first and last pixels; nothing when it holds none.
void FillPixels(QPainter& canvas, QPoint first, QPoint last, const QColor& color) {
  const QRect rect(first, last);
  if (!rect.isEmpty()) canvas.fillRect(rect, color);
}

}  // namespace

TSkinProgressBar::TSkinProgressBar(QWidget* owner) : TSkinWidget(owner) {
  resize(150, 12);
  StartLook(owner);
  UpdateProgress();
}

void TSkinProgressBar::SetMax(int value) {
  max_ = value;
  UpdateProgress();
}

void TSkinProgressBar::SetMin(int value) {
  min_ = value;
  UpdateProgress();
}

void TSkinProgressBar::SetPosition(int value) {
  if (value == position_) return;
  position_ = value;
  UpdateProgress();
}

void TSkinProgressBar::StepBy(int n) {
  // Saturating: a step past the end of the integer range must not wrap to the other end.
  const qint64 next = static_cast<qint64>(position_) + n;
  SetPosition(static_cast<int>(
      std::clamp<qint64>(next, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

void TSkinProgressBar::SetOrientation(TSkinProgressBarOrientation value) {
  orientation_ = value;
  LookChanged();
}

void TSkinProgressBar::SetBorderColor(TColor value) {
  if (value == borderColor_) return;
  borderColor_ = value;
  update();
}

void TSkinProgressBar::SetPicture(const QImage& value) {
  if (value == picture_) return;
  picture_ = value;
  update();
}

void TSkinProgressBar::SetShowCaption(bool value) {
  if (value == showCaption_) return;
  showCaption_ = value;
  update();
}

void TSkinProgressBar::SetCaptionColor(TColor value) {
  if (value == captionColor_) return;
  captionColor_ = value;
  update();
}

void TSkinProgressBar::SetSmartShowCaption(bool value) {
  if (value == smartShowCaption_) return;
  smartShowCaption_ = value;
  update();
}

// 64-bit intermediates: ranges near the ends of the integer range must neither overflow nor
// give a wrong share.
qint64 TSkinProgressBar::GetPercentFromPosition() const {
  if (max_ == min_) return 0;
  return (static_cast<qint64>(position_) - min_) * 100 / (static_cast<qint64>(max_) - min_);
}

int TSkinProgressBar::GetWidthFromPosition(int length) const {
  if (min_ >= max_ || min_ >= position_) return 0;
  if (position_ > max_) return length;
  return static_cast<int>(static_cast<qint64>(length) * (static_cast<qint64>(position_) - min_) /
                          (static_cast<qint64>(max_) - min_));
}

void TSkinProgressBar::UpdateProgress() {
  text_ = QString::number(GetPercentFromPosition()) + QLatin1Char('%');
  update();
}

// A new look replaces the picture and both colours, whatever was set before.
void TSkinProgressBar::LookChanged() {
  picture_ = Look().Bitmap(SkinEntry::ProgressBarImage);
  SetColor(Look().Color(SkinEntry::ControlBackgroundColor));
  borderColor_ = Look().Color(SkinEntry::ControlBorderColor);
  if (orientation_ == skinVertical && !picture_.isNull()) RoundPicture(picture_);
  update();
}

void TSkinProgressBar::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  const int w = width();
  const int h = height();
  const QColor empty = FaceColor();

  if (orientation_ == skinHorizontal) {
    // The picture fills columns 1 .. fill - 1, the colour the rest up to the frame.
    const int fill = std::max(1, GetWidthFromPosition(w - 1));
    const QRect filled(QPoint(1, 1), QPoint(fill - 1, h - 2));
    if (!picture_.isNull() && !filled.isEmpty()) canvas.drawImage(filled, picture_);
    FillPixels(canvas, {fill, 1}, {w - 2, h - 2}, empty);
  } else {
    // Filled from the bottom: the picture, mirrored top to bottom, in rows fill .. h - 2, the
    // colour in the rows above. A vertical bar never shows a caption.
    const int fill = std::max(1, (h - 1) - GetWidthFromPosition(h - 1));
    const QRect filled(QPoint(1, fill), QPoint(w - 2, h - 2));
    if (!picture_.isNull() && !filled.isEmpty()) canvas.drawImage(filled, picture_.mirrored());
    FillPixels(canvas, {1, 1}, {w - 2, fill - 1}, empty);
  }

  if (ShowCaption() && !(smartShowCaption_ && position_ == min_)) {
    // The application's default font, not the widget's: fully resolved, so that the painter
    // does not fill it in from the widget's font.
    QFont captionFont = QGuiApplication::font();
    captionFont.setResolveMask(QFont::AllPropertiesResolved);
    const QFontMetrics metrics(captionFont);
    canvas.setFont(captionFont);
    canvas.setPen(ToQColor(captionColor_));
    const int x = (w - metrics.horizontalAdvance(text_)) / 2;
    const int y = (h - metrics.height()) / 2;
    canvas.drawText(QPoint(x, y + metrics.ascent()), text_);
  }

  const QColor border = ToQColor(borderColor_);
  FillPixels(canvas, {0, 0}, {w - 1, 0}, border);
  FillPixels(canvas, {0, h - 1}, {w - 1, h - 1}, border);
  FillPixels(canvas, {0, 1}, {0, h - 2}, border);
  FillPixels(canvas, {w - 1, 1}, {w - 1, h - 2}, border);
}

void TSkinProgressBar::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) pressed_ = true;
}

void TSkinProgressBar::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const bool click = pressed_ && rect().contains(e->position().toPoint());
  pressed_ = false;
  if (click) emit OnClick();
}
