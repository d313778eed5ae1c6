// WinXP: blue and rounded. Beige faces with navy outlines and an orange hover ring, a deep blue
// caption with white-framed blue caption buttons and a red close button.
#include "caption.h"

namespace art {

namespace {

void TitleBand(QPainter& p, const QRectF& rect) {
  p.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 1), Rgb(0x0B3CC8));
  const QRectF body(rect.left(), rect.top() + 1, rect.width(), rect.height() - 1);
  p.fillRect(body, Vertical(body, {{0, Rgb(0x4B9BFF)},
                                   {0.12, Rgb(0x2C84FF)},
                                   {0.3, Rgb(0x0B63F0)},
                                   {0.5, Rgb(0x0058EE)},
                                   {0.8, Rgb(0x0053E1)},
                                   {0.92, Rgb(0x0047D0)},
                                   {1, Rgb(0x003BBB)}}));
}

void TitleLeftEdge(QPainter& p, const QSizeF& size) {
  p.fillRect(QRectF(0, 1, 2, size.height() - 1), WithAlpha(Rgb(0x5AA8FF), 0.55));
}

void TitleRightEdge(QPainter& p, const QSizeF& size) {
  p.fillRect(QRectF(size.width() - 2, 1, 2, size.height() - 1), WithAlpha(Rgb(0x002A9A), 0.45));
}

// A rounded square with a white frame, lit from the top left; the close button is red.
void CaptionButton(QPainter& p, const QRectF& frame, CaptionKind kind, CaptionState state) {
  Face face;
  if (kind == CaptionKind::Close) {
    face.fill = {{0, Rgb(0xEE9A80)}, {0.45, Rgb(0xDE6543)}, {1, Rgb(0xC5401C)}};
  } else {
    face.fill = {{0, Rgb(0x7FAAFF)}, {0.45, Rgb(0x3A75F5)}, {1, Rgb(0x2258E0)}};
  }
  face.border = WithAlpha(Qt::white, 0.95);
  face.innerLight = WithAlpha(Qt::white, 0.3);
  face.sheen = 0.25;
  if (state == CaptionState::Hover) face = Faded(face, Qt::white, 0.18);
  if (state == CaptionState::Pressed) face = Faded(face, Rgb(0x001A70), 0.3);
  face.border = WithAlpha(Qt::white, 0.95);
  PaintFace(p, frame.adjusted(0, 0, 0, 0), 3, face);
  DrawSymbol(p, CaptionSign(kind), frame, Qt::white, 9, 2);
}

}  // namespace

Look WinXPLook() {
  Look look;
  look.style = TSkinUIStyle::WinXP;
  look.prefix = "WINXP";
  look.size = {.button = {18, 21},
               .checkBox = {13, 13},
               .radioButton = {13, 13},
               .checkList = {11, 11},
               .captionButton = {21, 21},
               .titleLeft = {35, 29},
               .titleClient = {37, 29},
               .titleRight = {35, 29},
               .progress = {6, 10},
               .trackBar = {45, 8},
               .slider = {11, 21},
               .sliderV = {22, 11},
               .scrollButton = {16, 17},
               .scrollThumb = {7, 16},
               .tabScrollButton = {18, 18},
               .tab = {9, 18},
               .tabLine = {8, 1},
               .sideHandle = {8, 86},
               .sideBar = {1, 21}};
  look.form = Rgb(0xEFEBDE);
  look.control = Rgb(0xEFEBDE);
  look.controlBorder = Rgb(0x686868);
  look.scrollBack = Rgb(0xF9F9F9);

  look.buttonRadius = 3;
  look.buttonNormal =
      Plain({{0, Rgb(0xFFFFFF)}, {0.8, Rgb(0xF0F0EA)}, {1, Rgb(0xD6D0C5)}}, Rgb(0x003C74));
  look.buttonHover = look.buttonNormal;
  look.buttonHover.ring = {{0, Rgb(0xFFF0CF)}, {0.25, Rgb(0xFDD889)}, {1, Rgb(0xE5970B)}};
  look.buttonHover.ringWidth = 2;
  look.buttonPressed =
      Plain({{0, Rgb(0xD9D7CE)}, {0.25, Rgb(0xE3E2DA)}, {1, Rgb(0xF2F1EE)}}, Rgb(0x003C74));

  look.boxRadius = 0.5;
  look.boxOff = Plain({{0, Rgb(0xDCDCD7)}, {1, Rgb(0xFFFFFF)}}, Rgb(0x1C5180));
  look.boxOn = look.boxOff;
  look.mark = Rgb(0x21A121);
  look.markOn = Rgb(0x21A121);

  look.groove = Plain({{0, Rgb(0xDCDAD2)}, {1, Rgb(0xF6F6F3)}}, Rgb(0x9D9C99));
  look.knob =
      Plain({{0, Rgb(0xFFFFFF)}, {0.65, Rgb(0xEDEDE6)}, {0.8, Rgb(0x8ED88E)}, {1, Rgb(0x21A121)}},
            Rgb(0x1C5180));
  look.thumb = Plain({{0, Rgb(0xD2E0FD)}, {1, Rgb(0xB4C9F7)}}, Rgb(0x98B1EB));
  look.thumb.innerLight = WithAlpha(Qt::white, 0.8);
  look.progress = {{0, Rgb(0xA8EEA8)}, {0.4, Rgb(0x3CD43C)}, {1, Rgb(0x2BB52B)}};

  look.arrowRadius = 2;
  look.arrowNormal = look.thumb;
  look.arrowHover = Plain({{0, Rgb(0xE6EEFF)}, {1, Rgb(0xC8D8FD)}}, Rgb(0xA8C0F0));
  look.arrowHover.innerLight = WithAlpha(Qt::white, 0.9);
  look.arrowPressed = Plain({{0, Rgb(0xA5BCEF)}, {1, Rgb(0x94B0EB)}}, Rgb(0x7E9BDB));
  look.arrow = Rgb(0x4D6185);

  look.tabActive = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xFFFFFF)}}, Rgb(0x686868));
  look.tabHighlight = Rgb(0xFFC83C);
  look.tabInactive = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xE8E6DD)}}, Rgb(0x8A9092));
  look.tabLine = {{0, Rgb(0x686868)}, {1, Rgb(0x686868)}};

  look.sideBar = {{0, Rgb(0xFFFFFF)}, {1, Rgb(0xC6D3F7)}};
  look.sideHandle = Rgb(0x4D6185);

  look.caption = [](const Look& l) {
    return CaptionPictures(l, {TitleBand, TitleLeftEdge, TitleRightEdge, CaptionButton});
  };
  return look;
}

}  // namespace art
