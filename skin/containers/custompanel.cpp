#include "skin/containers/custompanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "skin/paint/slicing_p.h"

namespace {

constexpr TColor kButtonFaceColor = 0x8000000F;  // the system's button face colour

// The picture with every pixel of its bottom-left colour made see-through.
QImage KeyedOut(const QImage& picture) {
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = keyed.pixel(0, keyed.height() - 1) & RGB_MASK;
  for (int y = 0; y < keyed.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      if ((row[x] & RGB_MASK) == key) row[x] = 0;
    }
  }
  return keyed;
}

}  // namespace

TSkinCustomPanel::TSkinCustomPanel(QWidget* parent) : QWidget(parent), color_(kButtonFaceColor) {
  resize(185, 41);
}

void TSkinCustomPanel::SetPicture(const QImage& picture) {
  if (picture == picture_) return;
  picture_ = picture;
  PictureChanged();
}

void TSkinCustomPanel::PictureChanged() {
  if (!picture_.isNull()) {
    ApplyAutoSize();
  }
  ApplyTransparent();
  update();
}

void TSkinCustomPanel::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  ApplyTransparent();
  update();
}

void TSkinCustomPanel::ApplyTransparent() {
  if (picture_.isNull()) {
    face_ = QImage();
  } else {
    face_ = transparent_ ? KeyedOut(picture_) : picture_;
  }
}

void TSkinCustomPanel::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  if (!picture_.isNull()) ApplyAutoSize();
}

// The parent fixes the width of a panel docked to its top or bottom and the height of one
// docked to a side; AutoSize changes only what the docking leaves free.
void TSkinCustomPanel::ApplyAutoSize() {
  if (!autoSize_) return;
  const bool widthFixed = align_ == alTop || align_ == alBottom || align_ == alClient;
  const bool heightFixed = align_ == alLeft || align_ == alRight || align_ == alClient;
  resize(widthFixed ? width() : picture_.width(), heightFixed ? height() : picture_.height());
}

void TSkinCustomPanel::SetDrawStyle(TSkinDrawStyle value) {
  if (value == drawStyle_) return;
  drawStyle_ = value;
  update();
}

void TSkinCustomPanel::SetAlign(TAlign value) {
  if (value == align_) return;
  align_ = value;
  update();
}

void TSkinCustomPanel::SetAlignment(Qt::Alignment value) {
  alignment_ = value & Qt::AlignHorizontal_Mask;
  update();
}

void TSkinCustomPanel::SetCaption(const QString& value) {
  if (value == caption_) return;
  caption_ = value;
  RepaintText(rect());
  update();
}

void TSkinCustomPanel::RepaintText(const QRect&) {}

void TSkinCustomPanel::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  update();
}

void TSkinCustomPanel::SetBorderWidth(int value) {
  const int width = qMax(0, value);
  setContentsMargins(width, width, width, width);
}

void TSkinCustomPanel::SetCaptionPosX(int x) {
  if (x == captionX_) return;
  captionX_ = x;
  update();
}

void TSkinCustomPanel::SetCaptionPosY(int y) {
  if (y == captionY_) return;
  captionY_ = y;
  update();
}

void TSkinCustomPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!transparent_) painter.fillRect(rect(), ToQColor(color_));
  if (!face_.isNull()) {
    switch (drawStyle_) {
      case skinStretch:
        painter.drawImage(rect(), face_);
        break;
      case skinTile:
        TileDraw(painter, face_, rect());
        break;
      case skinNormal:
        painter.drawImage(0, 0, face_);
        break;
    }
  }
  PaintCaption(painter);
}

void TSkinCustomPanel::PaintCaption(QPainter& painter) {
  if (caption_.trimmed().isEmpty()) return;
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  if (captionX_ == -1 || captionY_ == -1) {
    painter.drawText(rect(), int(alignment_ | Qt::AlignVCenter | Qt::TextSingleLine), caption_);
  } else {
    const QRect from(captionX_, captionY_, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    painter.drawText(from, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
  }
}

void TSkinCustomPanel::resizeEvent(QResizeEvent*) { update(); }

void TSkinCustomPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  const QPoint at = event->position().toPoint();
  emit OnMouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TSkinCustomPanel::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit OnMouseMove(event->modifiers(), at.x(), at.y());
}

void TSkinCustomPanel::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton && pressed_) {
    pressed_ = false;
    if (rect().contains(at)) emit OnClick();
  }
  emit OnMouseUp(event->button(), event->modifiers(), at.x(), at.y());
}
