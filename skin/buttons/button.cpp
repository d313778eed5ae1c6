#include "skin/buttons/button.h"

#include <QFontMetrics>
#include <QPainter>

#include "skin/paint/keyedpicture_p.h"

TSkinButton::TSkinButton(QWidget* owner) : TSkinCustomButton(owner) {
  resize(80, 27);
  StartLook(owner);
}

void TSkinButton::SetGlyph(const QImage& glyph) {
  if (glyph == glyph_) return;
  glyph_ = glyph;
  // An image list masked with the glyph's top-left colour holds both images of a two-image glyph.
  const QImage keyed = KeyedPicture(glyph, SkinKeyPixel::TopLeft);
  const int gw = TwoImageGlyph() ? glyph.height() : glyph.width();
  glyphEnabled_ = keyed.copy(0, 0, gw, glyph.height());
  glyphDisabled_ =
      TwoImageGlyph() ? keyed.copy(gw, 0, gw, glyph.height()) : GreyedPicture(glyphEnabled_);
  update();
}

void TSkinButton::SetLayout(TButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  update();
}

void TSkinButton::SetSpacing(int value) {
  if (value == spacing_) return;
  spacing_ = value;
  update();
}

TSkinButton::GlyphPlacement TSkinButton::PlaceGlyph() const {
  // The caption is measured as stored, '&' included.
  const QFontMetrics metrics(font());
  const int tw = metrics.horizontalAdvance(Caption());
  const int th = metrics.height();
  const int gh = glyph_.height();
  const int gw = TwoImageGlyph() ? gh : glyph_.width();
  const int w = width();
  const int h = height();
  const int s = spacing_;

  GlyphPlacement at;
  switch (layout_) {
    case blGlyphLeft:
      at.glyph = {(w - tw - gw - s) / 2, (h - gh) / 2};
      at.caption = {at.glyph.x() + gw + s, (h - th) / 2};
      break;
    case blGlyphRight:
      at.glyph = {(w + tw + s - gw) / 2, (h - gh) / 2};
      at.caption = {at.glyph.x() - tw - s, (h - th) / 2};
      break;
    case blGlyphTop:
      at.glyph = {(w - gw) / 2, (h - th - gh - s) / 2};
      at.caption = {(w - tw) / 2, at.glyph.y() + gh + s};
      break;
    case blGlyphBottom:
      at.glyph = {(w - gw) / 2, (h + th + s - gh) / 2};
      at.caption = {(w - tw) / 2, at.glyph.y() - th - s};
      break;
  }
  return at;
}

void TSkinButton::PaintPic(QPainter& canvas, const QImage& frame) {
  DrawStretchedFrame(canvas, frame);
  if (glyph_.isNull()) return;
  QPoint glyphAt = PlaceGlyph().glyph;
  if (IsPressed()) glyphAt += QPoint(1, 1);
  canvas.drawImage(glyphAt, isEnabled() ? glyphEnabled_ : glyphDisabled_);
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
  const QPoint origin = PlaceGlyph().caption;
  if (!isEnabled()) {
    drawAt(origin + QPoint(1, 1), QColor(0xFF, 0xFF, 0xFF));
    drawAt(origin, QColor(0x80, 0x80, 0x80));
  } else {
    drawAt(IsPressed() ? origin + QPoint(1, 1) : origin,
           palette().color(QPalette::Active, QPalette::WindowText));
  }
}

bool TSkinButton::CaptionShowsFocus() const {
  const TSkinUIStyle style = UIStyle();
  return style == TSkinUIStyle::MacOS || style == TSkinUIStyle::BlueGlass;
}
