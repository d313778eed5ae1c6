// Protein: clean white with red accents. White faces that take a red outline under the
// pointer, red marks and knobs, a white caption with a red band behind the caption text.
#include "caption.h"

namespace art {

namespace {

constexpr unsigned kRed = 0xC4302D;

void TitleBand(QPainter& p, const QRectF& rect) {
  p.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 1), Qt::black);
  const QRectF body(rect.left(), rect.top() + 1, rect.width(), rect.height() - 2);
  p.fillRect(body, Vertical(body, {{0, Rgb(0xFFFFFF)}, {1, Rgb(0xEFEFEF)}}));
  p.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1), Rgb(kRed));
}

// The red band under the caption text, ending in a sweep down into the white.
void TitleLeftBand(QPainter& p, const QSizeF& size) {
  const qreal bottom = size.height() - 1;
  QPainterPath band;
  band.moveTo(0, 1);
  band.lineTo(250, 1);
  band.cubicTo(285, 1, 300, bottom, 340, bottom);
  band.lineTo(0, bottom);
  band.closeSubpath();
  p.setBrush(Horizontal(QRectF(0, 0, 340, 1), {{0, Rgb(0xD63E3A)}, {1, Rgb(0xBA2B28)}}));
  p.drawPath(band);
  // Gloss over the upper half of the band.
  p.setClipPath(band);
  const QRectF upper(0, 1, size.width(), (bottom - 1) * 0.48);
  p.fillRect(upper,
             Vertical(upper, {{0, WithAlpha(Qt::white, 0.45)}, {1, WithAlpha(Qt::white, 0.12)}}));
  p.setClipping(false);
  p.fillRect(QRectF(0, 1, 1, bottom - 1), WithAlpha(Qt::white, 0.35));
}

// A small self-contained button, readable on the red band and on the white: white with a red
// sign, red with a white sign under the pointer.
void CaptionButton(QPainter& p, const QRectF& frame, CaptionKind kind, CaptionState state) {
  Face face = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xEDEDED)}}, Rgb(0xB8B8B8));
  QColor sign = Rgb(kRed);
  if (state == CaptionState::Hover) {
    face = Plain({{0, Rgb(0xEC6A66)}, {1, Rgb(kRed)}}, Rgb(0x9A2220));
    face.sheen = 0.35;
    sign = Qt::white;
  } else if (state == CaptionState::Pressed) {
    face = Plain({{0, Rgb(0x94201D)}, {1, Rgb(0xBA2C29)}}, Rgb(0x7A1A18));
    sign = Qt::white;
  }
  PaintFace(p, frame.adjusted(1, 1, -1, -1), 4, face);
  DrawSymbol(p, CaptionSign(kind), frame.adjusted(1, 1, -1, -1), sign, 8, 2);
}

}  // namespace

Look ProteinLook() {
  Look look;
  look.style = TSkinUIStyle::Protein;
  look.prefix = "PROTEIN";
  look.sharedScrollButton = true;
  look.size = {.button = {74, 21},
               .checkBox = {13, 13},
               .radioButton = {13, 13},
               .checkList = {11, 11},
               .captionButton = {19, 19},
               .titleLeft = {441, 23},
               .titleClient = {1, 23},
               .titleRight = {1, 23},
               .progress = {1, 10},
               .trackBar = {45, 4},
               .slider = {11, 20},
               .sliderV = {18, 11},
               .scrollButton = {16, 16},
               .scrollThumb = {7, 16},
               .tabScrollButton = {18, 17},
               .tab = {9, 17},
               .tabLine = {10, 5},
               .sideHandle = {8, 83},
               .sideBar = {1, 21}};
  look.form = Rgb(0xFBFBFB);
  look.control = Rgb(0xFBFBFB);
  look.controlBorder = Rgb(0x000000);
  look.scrollBack = Rgb(0xF5F5F5);

  look.buttonRadius = 3;
  look.buttonNormal = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xEBEBEB)}}, Rgb(0xA0A0A0));
  look.buttonNormal.innerLight = WithAlpha(Qt::white, 0.9);
  look.buttonHover = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xF3EEEE)}}, Rgb(kRed));
  look.buttonHover.ring = {{0, Rgb(0xF9D4D2)}, {1, Rgb(0xEE9C98)}};
  look.buttonHover.ringWidth = 1;
  look.buttonPressed = Plain({{0, Rgb(0xF0C8C6)}, {1, Rgb(0xFCF0EF)}}, Rgb(kRed));

  look.boxRadius = 1;
  look.boxOff = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xEEEEEE)}}, Rgb(0x8C8C8C));
  look.boxOn = look.boxOff;
  look.mark = Rgb(kRed);
  look.markOn = Rgb(kRed);

  look.groove = Plain({{0, Rgb(0xC4C4C4)}, {1, Rgb(0xF2F2F2)}}, Rgb(0x9A9A9A));
  look.knob = Plain({{0, Rgb(0xEC6A66)}, {0.5, Rgb(0xD23C38)}, {1, Rgb(0xB02622)}}, Rgb(0x8A1C19));
  look.knob.sheen = 0.4;
  look.thumb = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xE0E0E0)}}, Rgb(0x9A9A9A));
  look.thumb.innerLight = WithAlpha(Qt::white, 0.9);
  // Light enough for the black percentage written over it.
  look.progress = {{0, Rgb(0xF8C0BC)}, {0.5, Rgb(0xE66A64)}, {1, Rgb(0xD4504A)}};

  look.arrowRadius = 2;
  look.arrowNormal = look.thumb;
  look.arrowHover = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xF6E6E5)}}, Rgb(kRed));
  look.arrowPressed = Plain({{0, Rgb(0xF0C8C6)}, {1, Rgb(0xFAE6E5)}}, Rgb(kRed));
  look.arrow = Rgb(0x505050);

  look.tabActive = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xFBFBFB)}}, Rgb(0x000000));
  look.tabHighlight = Rgb(kRed);
  look.tabInactive = Plain({{0, Rgb(0xF4F4F4)}, {1, Rgb(0xE0E0E0)}}, Rgb(0x000000));
  look.tabLine = {{0, Rgb(0xFFFFFF)}, {1, Rgb(0xFBFBFB)}};

  look.sideBar = {{0, Rgb(0xEC6F6A)}, {0.5, Rgb(0xD63C37)}, {1, Rgb(0xB92824)}};
  look.sideHandle = Rgb(kRed);

  look.caption = [](const Look& l) {
    return CaptionPictures(l, {TitleBand, TitleLeftBand, {}, CaptionButton});
  };
  return look;
}

}  // namespace art
