#include "skin/skinbutton.h"

#include <QFontMetrics>
#include <QPainter>

#include "skin/skinkeyedpicture.h"

TSkinButton::TSkinButton(QWidget* owner) : TSkinCustomButton(owner) {
  resize(80, 27);
  StartLook(owner);
}

void TSkinButton::SetGlyph(const QImage& glyph) {
  glyph_ = glyph;
  update();
}

void TSkinButton::SetLayout(TButtonLayout value) {
  layout_ = value;
  update();
}

void TSkinButton::SetSpacing(int value) {
  spacing_ = value;
  update();
}

void TSkinButton::PaintPic(QPainter& canvas, const QImage& frame) {
  DrawStretchedFrame(canvas, frame);
  if (glyph_.isNull()) return;

  // The caption is measured as stored, '&' included.
  const QFontMetrics metrics(font());
  const int tw = metrics.horizontalAdvance(Caption());
  const int th = metrics.height();
  const int gh = glyph_.height();
  const bool twoImages = glyph_.width() == 2 * gh;
  const int gw = twoImages ? gh : glyph_.width();
  const int w = width();
  const int h = height();
  const int s = spacing_;

  QPoint glyphAt;
  switch (layout_) {
    case blGlyphLeft:
      glyphAt = {(w - tw - gw - s) / 2, (h - gh) / 2};
      captionOrigin_ = {glyphAt.x() + gw + s, (h - th) / 2};
      break;
    case blGlyphRight:
      glyphAt = {(w + tw + s - gw) / 2, (h - gh) / 2};
      captionOrigin_ = {glyphAt.x() - tw - s, (h - th) / 2};
      break;
    case blGlyphTop:
      glyphAt = {(w - gw) / 2, (h - th - gh - s) / 2};
      captionOrigin_ = {(w - tw) / 2, glyphAt.y() + gh + s};
      break;
    case blGlyphBottom:
      glyphAt = {(w - gw) / 2, (h + th + s - gh) / 2};
      captionOrigin_ = {(w - tw) / 2, glyphAt.y() - th - s};
      break;
  }
  if (IsPressed()) glyphAt += QPoint(1, 1);

  const bool disabled = !isEnabled();
  QImage image = glyph_.copy(twoImages && disabled ? gw : 0, 0, gw, gh);
  image = KeyedPicture(image, TopLeftColor(glyph_));
  if (disabled && !twoImages) image = GreyedPicture(image);
  canvas.drawImage(glyphAt, image);
}

void TSkinButton::PaintText(QPainter& canvas, const QString& text) {
  if (glyph_.isNull()) {
    TSkinCustomButton::PaintText(canvas, text);
    return;
  }
  canvas.setFont(font());
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
  auto drawAt = [&](QPoint origin, const QColor& colour) {
    canvas.setPen(colour);
    canvas.drawText(QRect(origin, QPoint(width() - 1, height() - 1)), flags, Caption());
  };
  if (!isEnabled()) {
    drawAt(captionOrigin_ + QPoint(1, 1), QColor(0xFF, 0xFF, 0xFF));
    drawAt(captionOrigin_, QColor(0x80, 0x80, 0x80));
  } else {
    drawAt(IsPressed() ? captionOrigin_ + QPoint(1, 1) : captionOrigin_,
           palette().color(QPalette::Active, QPalette::WindowText));
  }
}

void TSkinButton::PaintFocus(QPainter& canvas) {
  const TSkinUIStyle style = UIStyle();
  if (style == TSkinUIStyle::MacOS || style == TSkinUIStyle::BlueGlass) {
    SetBoldCaption();
  } else {
    TSkinCustomButton::PaintFocus(canvas);
  }
}
