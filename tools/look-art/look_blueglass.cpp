// BlueGlass: translucent blue glass. Pale blue faces with a bright sheen over their upper half,
// a glass caption with a reflection, and see-through glass caption buttons.
#include "caption.h"

namespace art {

namespace {

constexpr unsigned kEdge = 0x4A7DB8;

Face Glass(unsigned top, unsigned upper, unsigned lower, unsigned bottom, unsigned border) {
  Face face;
  face.fill = {{0, Rgb(top)}, {0.46, Rgb(upper)}, {0.5, Rgb(lower)}, {1, Rgb(bottom)}};
  face.border = Rgb(border);
  face.sheen = 0.55;
  face.sheenEnd = 0.45;
  face.innerLight = WithAlpha(Qt::white, 0.55);
  return face;
}

void TitleBand(QPainter& p, const QRectF& rect) {
  p.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 1), Qt::black);
  const QRectF body(rect.left(), rect.top() + 1, rect.width(), rect.height() - 2);
  p.fillRect(body, Vertical(body, {{0, Rgb(0xD2E8FC)},
                                   {0.44, Rgb(0x94BEEE)},
                                   {0.48, Rgb(0x5E94D8)},
                                   {0.85, Rgb(0x3E78C4)},
                                   {1, Rgb(0x74AAE8)}}));
  p.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1), Rgb(0x2A5690));
}

// A soft reflection, as of a window behind the glass; it fades out inside `area`, so the piece
// still meets the stretched middle without a seam.
void Reflection(QPainter& p, const QRectF& area) {
  QRadialGradient light(area.center(), area.width() / 2);
  light.setColorAt(0, WithAlpha(Qt::white, 0.4));
  light.setColorAt(1, WithAlpha(Qt::white, 0));
  p.save();
  p.translate(area.center());
  p.scale(1, area.height() / area.width());
  p.translate(-area.center());
  p.setBrush(light);
  p.drawEllipse(area.center(), area.width() / 2, area.width() / 2);
  p.restore();
}

void TitleLeft(QPainter& p, const QSizeF& size) {
  Reflection(p, QRectF(24, -4, 124, size.height() * 0.8));
  p.fillRect(QRectF(0, 1, 1, size.height() - 2), WithAlpha(Qt::white, 0.45));
}

void TitleRight(QPainter& p, const QSizeF& size) {
  Reflection(p, QRectF(8, 10, 80, size.height() * 0.7));
  p.fillRect(QRectF(size.width() - 1, 1, 1, size.height() - 2), WithAlpha(Rgb(0x10305A), 0.4));
}

// Glass drops the title shows through; the close button is red glass.
void CaptionButton(QPainter& p, const QRectF& frame, CaptionKind kind, CaptionState state) {
  const bool close = kind == CaptionKind::Close;
  QColor deep = close ? Rgb(0xC23A2A) : Rgb(0x2E62B0);
  QColor light = close ? Rgb(0xF4A090) : Rgb(0xA8D0F8);
  qreal opacity = 0.62;
  if (state == CaptionState::Hover) {
    deep = deep.lighter(125);
    light = light.lighter(110);
    opacity = 0.78;
  } else if (state == CaptionState::Pressed) {
    deep = deep.darker(150);
    light = light.darker(130);
    opacity = 0.9;
  }
  Face face;
  face.fill = {{0, WithAlpha(light, opacity)},
               {0.48, WithAlpha(Mix(light, deep, 0.5), opacity)},
               {0.52, WithAlpha(deep, opacity)},
               {1, WithAlpha(Mix(deep, light, 0.55), opacity)}};
  face.border = WithAlpha(Rgb(0x0E2A52), 0.85);
  face.sheen = 0.5;
  face.sheenEnd = 0.45;
  face.innerLight = WithAlpha(Qt::white, 0.45);
  const QRectF drop = frame.adjusted(0.5, 0.5, -0.5, -0.5);
  PaintFace(p, drop, 5, face);
  // A dark halo keeps the white sign readable on the light glass.
  DrawSymbol(p, CaptionSign(kind), drop.translated(0, 1), WithAlpha(Rgb(0x0E2A52), 0.55), 8, 2);
  DrawSymbol(p, CaptionSign(kind), drop, Qt::white, 8, 2);
}

}  // namespace

Look BlueGlassLook() {
  Look look;
  look.style = TSkinUIStyle::BlueGlass;
  look.prefix = "BLUEGLASS";
  look.sharedScrollButton = true;
  look.size = {.button = {77, 27},
               .checkBox = {13, 13},
               .radioButton = {13, 13},
               .checkList = {11, 11},
               .captionButton = {19, 19},
               .titleLeft = {162, 33},
               .titleClient = {179, 33},
               .titleRight = {101, 33},
               .progress = {1, 10},
               .trackBar = {45, 4},
               .slider = {11, 20},
               .sliderV = {18, 11},
               .scrollButton = {17, 16},
               .scrollThumb = {7, 16},
               .tabScrollButton = {18, 17},
               .tab = {9, 17},
               .tabLine = {10, 5},
               .sideHandle = {8, 86},
               .sideBar = {1, 21}};
  look.form = Rgb(0xE7E7E7);
  look.control = Rgb(0xE7E7E7);
  look.controlBorder = Rgb(0x000000);
  look.scrollBack = Rgb(0xF4F4F4);

  look.buttonRadius = 5;
  look.buttonNormal = Glass(0xE2F0FF, 0xC0DCFA, 0x9DC6F2, 0xCBE5FF, kEdge);
  look.buttonHover = Glass(0xEEF9FF, 0xCCEBFF, 0xA4DAFA, 0xDAF4FF, 0x2F86D4);
  look.buttonHover.glow = WithAlpha(Rgb(0xC8F4FF), 0.8);
  look.buttonPressed = Glass(0xA6CAF0, 0x88B6E8, 0x6A9EDC, 0x9CC8F2, 0x2F5F98);
  look.buttonPressed.sheen = 0.3;

  look.boxRadius = 2;
  look.boxOff = Glass(0xFFFFFF, 0xE8F2FC, 0xD6E8FA, 0xF0F8FF, kEdge);
  look.boxOn = Glass(0xD6EAFF, 0xA9CDF4, 0x7FB0EA, 0xB8DAFA, kEdge);
  look.mark = Rgb(0x1B3F73);
  look.markOn = Rgb(0x12325E);

  look.groove = Plain({{0, Rgb(0x7FA6D6)}, {1, Rgb(0xD6E8FA)}}, Rgb(kEdge));
  look.knob = Glass(0xBFE0FF, 0x86BAF0, 0x4C8FE0, 0x8CC4F8, 0x2A5A98);
  look.thumb = look.knob;
  look.progress = {
      {0, Rgb(0xD2EAFF)}, {0.48, Rgb(0x7CB2EE)}, {0.52, Rgb(0x4C8FE0)}, {1, Rgb(0x8CC4F8)}};

  look.arrowRadius = 3;
  look.arrowNormal = look.buttonNormal;
  look.arrowHover = look.buttonHover;
  look.arrowPressed = look.buttonPressed;
  look.arrow = Rgb(0x1B3F73);

  look.tabActive = Plain({{0, Rgb(0xF2F8FF)}, {1, Rgb(0xE7E7E7)}}, Rgb(0x000000));
  look.tabHighlight = Rgb(0x4C8FE0);
  look.tabInactive = Glass(0xDCECFC, 0xC4DEF8, 0xAED0F2, 0xC2DCF4, 0x000000);
  look.tabLine = {{0, Rgb(0xEEF2F6)}, {1, Rgb(0xE7E7E7)}};

  look.sideBar = {
      {0, Rgb(0xA8D0F8)}, {0.48, Rgb(0x6CA0E0)}, {0.52, Rgb(0x4A84CC)}, {1, Rgb(0x74AAE8)}};
  look.sideHandle = Rgb(0x2A5A98);

  look.caption = [](const Look& l) {
    return CaptionPictures(l, {TitleBand, TitleLeft, TitleRight, CaptionButton});
  };
  return look;
}

}  // namespace art
