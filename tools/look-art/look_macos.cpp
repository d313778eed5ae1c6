// MacOS: light, glossy aqua. White and blue gel, pill-shaped buttons, pinstriped grey title
// with red, yellow and green caption buttons.
#include "caption.h"

namespace art {

namespace {

Face Gel(unsigned top, unsigned middle, unsigned bottom, unsigned border, qreal sheen = 0.85) {
  Face face;
  face.fill = {{0, Rgb(top)}, {0.5, Rgb(middle)}, {1, Rgb(bottom)}};
  face.border = Rgb(border);
  face.sheen = sheen;
  face.sheenEnd = 0.45;
  face.glow = WithAlpha(Qt::white, 0.45);
  return face;
}

const Face kWhiteGel = Gel(0xE2E2E2, 0xD2D2D2, 0xFCFCFC, 0x8A8A8A, 0.95);
const Face kLightAqua = Gel(0x8ABCF2, 0x6FA8EC, 0xC6E6FF, 0x4C7FC4);
const Face kAqua = Gel(0x4A8CE8, 0x3A7DE0, 0x9ACFFF, 0x2A5BA8);
const Face kDeepAqua = Gel(0x2F6BC4, 0x2561B8, 0x6AA4EC, 0x1D4A8C, 0.6);

// The pinstriped grey of the title: 23 rows, an outline on top, a highlight below it, a
// separator at the bottom.
void TitleBand(QPainter& p, const QRectF& rect) {
  const int rows = int(rect.height());
  for (int y = 0; y < rows; ++y) {
    QColor color;
    if (y == 0) {
      color = Rgb(0x7F7F7F);
    } else if (y == 1) {
      color = Rgb(0xFBFBFB);
    } else if (y == rows - 1) {
      color = Rgb(0x8E8E8E);
    } else {
      const qreal t = qreal(y - 2) / (rows - 4);
      color = Mix(Rgb(0xEEEEEE), Rgb(0xCBCBCB), t);
      if (y % 2 == 1) color = color.darker(103);
    }
    p.fillRect(QRectF(rect.left(), rect.top() + y, rect.width(), 1), color);
  }
}

void TitleLeftEdge(QPainter& p, const QSizeF& size) {
  p.fillRect(QRectF(0, 1, 1, size.height() - 2), WithAlpha(Qt::white, 0.7));
}

void TitleRightEdge(QPainter& p, const QSizeF& size) {
  p.fillRect(QRectF(size.width() - 1, 1, 1, size.height() - 2), WithAlpha(Qt::black, 0.12));
}

struct CaptionColors {
  Face gel;
  QColor sign;
};

CaptionColors CaptionGel(CaptionKind kind) {
  switch (kind) {
    case CaptionKind::Close:
      return {Gel(0xC8352B, 0xD9443A, 0xFF9C8C, 0x9A2A22), Rgb(0x5A0C06)};
    case CaptionKind::Minimize:
      return {Gel(0xD69A12, 0xE3AE22, 0xFFE68C, 0xA27414), Rgb(0x6B4A00)};
    case CaptionKind::Maximize:
    case CaptionKind::Restore:
      return {Gel(0x3A962C, 0x4BAA38, 0xA8EC8E, 0x2C7622), Rgb(0x0F4A08)};
    case CaptionKind::Help:
      return {Gel(0x4A8CE8, 0x3A7DE0, 0x9ACFFF, 0x2A5BA8), Rgb(0x0A2A66)};
    case CaptionKind::ControlBox:
      break;
  }
  return {Gel(0x8C96A3, 0x9AA4B0, 0xDAE0E8, 0x5E6670), Rgb(0x262C34)};
}

// A gel drop; its sign shows faintly until the pointer comes near.
void CaptionButton(QPainter& p, const QRectF& frame, CaptionKind kind, CaptionState state) {
  CaptionColors colors = CaptionGel(kind);
  if (state == CaptionState::Pressed) colors.gel = Faded(colors.gel, Qt::black, 0.22);
  const QRectF drop = frame.adjusted(1, 1, -1, -1);
  QPainterPath circle;
  circle.addEllipse(drop.adjusted(0.5, 0.5, -0.5, -0.5));
  PaintFace(p, circle, colors.gel);
  const qreal opacity = state == CaptionState::Normal ? 0.45 : 0.9;
  DrawSymbol(p, CaptionSign(kind), drop, WithAlpha(colors.sign, opacity), 7, 1.5);
}

}  // namespace

Look MacOSLook() {
  Look look;
  look.style = TSkinUIStyle::MacOS;
  look.prefix = "MACOS";
  look.size = {.button = {84, 23},
               .checkBox = {15, 17},
               .radioButton = {16, 17},
               .checkList = {10, 11},
               .captionButton = {17, 17},
               .titleLeft = {48, 23},
               .titleClient = {49, 23},
               .titleRight = {48, 23},
               .progress = {13, 10},
               .trackBar = {45, 5},
               .slider = {11, 20},
               .sliderV = {19, 11},
               .scrollButton = {16, 22},
               .scrollThumb = {11, 16},
               .tabScrollButton = {18, 18},
               .tab = {18, 27},
               .tabLine = {17, 7},
               .sideHandle = {7, 84},
               .sideBar = {1, 21}};
  look.form = Rgb(0xE7E7E7);
  look.control = Rgb(0xE7E7E7);
  look.controlBorder = Rgb(0x7F7F7F);
  look.scrollBack = Rgb(0xC9C9C9);

  look.buttonRadius = 11;
  look.buttonNormal = kWhiteGel;
  look.buttonHover = kLightAqua;
  look.buttonPressed = kAqua;

  look.boxRadius = 3;
  look.boxOff = kWhiteGel;
  look.boxOn = kAqua;
  look.mark = Rgb(0x202020);
  look.markOn = Rgb(0x0C1A33);

  look.groove.fill = {{0, Rgb(0x9C9C9C)}, {1, Rgb(0xE8E8E8)}};
  look.groove.border = Rgb(0x7A7A7A);
  look.knob = kAqua;
  look.thumb = kAqua;
  look.progress = {
      {0, Rgb(0xD2E8FF)}, {0.45, Rgb(0x8CC0FA)}, {0.5, Rgb(0x4F93EC)}, {1, Rgb(0xA4D4FF)}};

  look.arrowRadius = 3;
  look.arrowNormal = kWhiteGel;
  look.arrowHover = kLightAqua;
  look.arrowPressed = kAqua;
  look.arrow = Rgb(0x303030);

  look.tabActive.fill = {{0, Rgb(0xFAFAFA)}, {0.6, Rgb(0xEEEEEE)}, {1, Rgb(0xE7E7E7)}};
  look.tabActive.border = Rgb(0x7F7F7F);
  look.tabHighlight = Rgb(0x3F86E6);
  look.tabInactive = Gel(0xD4D4D4, 0xC8C8C8, 0xE6E6E6, 0x8E8E8E, 0.6);
  look.tabLine = {{0, Rgb(0xEEEEEE)}, {1, Rgb(0xE7E7E7)}};

  look.sideBar = {{0, Rgb(0xF6F6F6)}, {0.5, Rgb(0xE2E2E2)}, {1, Rgb(0xC6C6C6)}};
  look.sideHandle = Rgb(0x707070);

  look.caption = [](const Look& l) {
    return CaptionPictures(l, {TitleBand, TitleLeftEdge, TitleRightEdge, CaptionButton});
  };
  return look;
}

}  // namespace art
