// DeepBlue: dark blue. Steel-blue faces with navy outlines, a deep navy caption with dark
// rounded caption buttons whose close button turns red under the pointer.
#include "caption.h"

namespace art {

namespace {

constexpr unsigned kNavy = 0x1E3A70;

void TitleBand(QPainter& p, const QRectF& rect) {
  p.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 1), Qt::black);
  const QRectF body(rect.left(), rect.top() + 1, rect.width(), rect.height() - 2);
  p.fillRect(body, Vertical(body, {{0, Rgb(0x6286C8)},
                                   {0.07, Rgb(0x4066AC)},
                                   {0.5, Rgb(0x1F4082)},
                                   {0.52, Rgb(0x17346E)},
                                   {1, Rgb(0x0C2250)}}));
  p.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1), Rgb(0x050F26));
}

void TitleLeftEdge(QPainter& p, const QSizeF& size) {
  p.fillRect(QRectF(0, 1, 1, size.height() - 2), WithAlpha(Rgb(0x8FB0EE), 0.5));
}

void TitleRightEdge(QPainter& p, const QSizeF& size) {
  p.fillRect(QRectF(size.width() - 1, 1, 1, size.height() - 2), WithAlpha(Qt::black, 0.35));
}

void CaptionButton(QPainter& p, const QRectF& frame, CaptionKind kind, CaptionState state) {
  Face face = Plain({{0, Rgb(0x4A6DAE)}, {0.5, Rgb(0x2C4C8C)}, {1, Rgb(0x213F7A)}}, Rgb(0x0A1838));
  if (state == CaptionState::Hover) {
    face.fill = kind == CaptionKind::Close
                    ? Stops{{0, Rgb(0xEE7A64)}, {0.5, Rgb(0xCC4028)}, {1, Rgb(0xA82A18)}}
                    : Stops{{0, Rgb(0x7398DE)}, {0.5, Rgb(0x4670BC)}, {1, Rgb(0x3760AA)}};
  } else if (state == CaptionState::Pressed) {
    face.fill = kind == CaptionKind::Close ? Stops{{0, Rgb(0x8A2010)}, {1, Rgb(0xB8402A)}}
                                           : Stops{{0, Rgb(0x142A58)}, {1, Rgb(0x2A4C8C)}};
  }
  face.innerLight = WithAlpha(Qt::white, state == CaptionState::Pressed ? 0.1 : 0.28);
  face.sheen = 0.22;
  PaintFace(p, frame, 3, face);
  DrawSymbol(p, CaptionSign(kind), frame, Qt::white, 9, 2);
}

}  // namespace

Look DeepBlueLook() {
  Look look;
  look.style = TSkinUIStyle::DeepBlue;
  look.prefix = "DEEPBLUE";
  look.sharedScrollButton = true;
  look.size = {.button = {74, 21},
               .checkBox = {13, 13},
               .radioButton = {13, 13},
               .checkList = {11, 11},
               .captionButton = {19, 19},
               .titleLeft = {97, 32},
               .titleClient = {98, 32},
               .titleRight = {97, 32},
               .progress = {1, 10},
               .trackBar = {45, 4},
               .slider = {11, 20},
               .sliderV = {18, 11},
               .scrollButton = {16, 16},
               .scrollThumb = {7, 16},
               .tabScrollButton = {18, 17},
               .tab = {6, 17},
               .tabLine = {5, 5},
               .sideHandle = {8, 83},
               .sideBar = {1, 20}};
  look.form = Rgb(0xE8E8E8);
  look.control = Rgb(0xE8E8E8);
  look.controlBorder = Rgb(0x000000);
  look.scrollBack = Rgb(0xF5F5F5);

  look.buttonRadius = 2;
  look.buttonNormal =
      Plain({{0, Rgb(0xF6F8FC)}, {0.5, Rgb(0xDEE6F3)}, {0.52, Rgb(0xD0DBEE)}, {1, Rgb(0xE6EDF8)}},
            Rgb(kNavy));
  look.buttonNormal.innerLight = WithAlpha(Qt::white, 0.7);
  look.buttonHover =
      Plain({{0, Rgb(0xFFFFFF)}, {0.5, Rgb(0xE8F0FD)}, {0.52, Rgb(0xD8E6FB)}, {1, Rgb(0xF0F6FF)}},
            Rgb(0x2F63C0));
  look.buttonHover.ring = {{0, Rgb(0xB4D0FF)}, {1, Rgb(0x6A9AEC)}};
  look.buttonHover.ringWidth = 1;
  look.buttonPressed = Plain({{0, Rgb(0xB4C5E4)}, {1, Rgb(0xD8E2F3)}}, Rgb(kNavy));

  look.boxRadius = 1;
  look.boxOff = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xD6E0EF)}}, Rgb(kNavy));
  look.boxOn = look.boxOff;
  look.mark = Rgb(kNavy);
  look.markOn = Rgb(0x16306A);

  look.groove = Plain({{0, Rgb(0x2C4270)}, {1, Rgb(0x8FA3C8)}}, Rgb(kNavy));
  look.knob = Plain({{0, Rgb(0x6286C8)}, {0.5, Rgb(0x2D4F8E)}, {1, Rgb(0x1B3566)}}, Rgb(0x0E2048));
  look.knob.sheen = 0.45;
  look.thumb = look.knob;
  // Light enough for the black percentage written over it.
  look.progress = {
      {0, Rgb(0xB4CCF2)}, {0.5, Rgb(0x6E94D8)}, {0.55, Rgb(0x5F87CF)}, {1, Rgb(0x82A6E4)}};

  look.arrowRadius = 2;
  look.arrowNormal = Plain({{0, Rgb(0xF0F4FA)}, {1, Rgb(0xC9D5EA)}}, Rgb(kNavy));
  look.arrowHover = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xD6E4FB)}}, Rgb(0x2F63C0));
  look.arrowPressed = Plain({{0, Rgb(0x9FB4DA)}, {1, Rgb(0xC5D3EC)}}, Rgb(kNavy));
  look.arrow = Rgb(kNavy);

  look.tabActive = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xE8E8E8)}}, Rgb(0x000000));
  look.tabHighlight = Rgb(0x2D4F8E);
  look.tabInactive = Plain({{0, Rgb(0xCCD6E8)}, {1, Rgb(0xAEBCD6)}}, Rgb(0x000000));
  look.tabLine = {{0, Rgb(0xEEEEEE)}, {1, Rgb(0xE8E8E8)}};

  look.sideBar = {{0, Rgb(0x5476B4)}, {0.5, Rgb(0x2C4C8C)}, {1, Rgb(0x1B3566)}};
  look.sideHandle = Rgb(kNavy);

  look.caption = [](const Look& l) {
    return CaptionPictures(l, {TitleBand, TitleLeftEdge, TitleRightEdge, CaptionButton});
  };
  return look;
}

}  // namespace art
