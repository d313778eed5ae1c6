#pragma once
// TSkinButton: the push button of every window. Its face is the look's three-frame button strip
// stretched to any size (corners kept, edges and middle stretched); an optional glyph sits
// beside, above or below the caption; the focus mark is a bold caption in the MacOS and
// BlueGlass looks and a dotted rectangle in the others.
#include <QImage>
#include <QPoint>

#include "skin/buttons/custombutton.h"

class TSkinButton : public TSkinCustomButton {
  Q_OBJECT
  Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
  Q_PROPERTY(TButtonLayout Layout READ Layout WRITE SetLayout)
  Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
  Q_PROPERTY(uint ResHandle READ ResHandle WRITE SetResHandle)

 public:
  enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
  Q_ENUM(TButtonLayout)

  explicit TSkinButton(QWidget* owner = nullptr);

  // A glyph exactly twice as wide as high holds two images: enabled, then disabled.
  QImage Glyph() const { return glyph_; }
  void SetGlyph(const QImage& glyph);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  // Kept for form layouts that still store it: reads 0, ignores writes.
  uint ResHandle() const { return 0; }
  void SetResHandle(uint) {}

 protected:
  void UIStyleChanged() override { TakeTransparentFromLook(); }
  void PaintPic(QPainter& canvas, const QImage& frame) override;
  void PaintText(QPainter& canvas, const QString& text) override;
  // A bold caption marks the focus in the MacOS and BlueGlass looks.
  bool CaptionShowsFocus() const override;

 private:
  struct GlyphPlacement {
    QPoint glyph;
    QPoint caption;
  };
  // Where glyph and caption go at the button's size (before a press moves them).
  GlyphPlacement PlaceGlyph() const;
  bool TwoImageGlyph() const { return glyph_.width() == 2 * glyph_.height(); }

  QImage glyph_;
  QImage glyphEnabled_;   // the glyph's image as drawn when enabled: keyed
  QImage glyphDisabled_;  // and when disabled: its second image, or the first greyed
  TButtonLayout layout_ = blGlyphLeft;
  int spacing_ = 4;
};
