// The pictures with fixed names: form patterns, the MacOS menu pieces, combo-box buttons, the
// menu check mark, MDI and panel buttons, the shared tab scroll buttons and the notice window.
#include "looks.h"
#include "symbols.h"

namespace art {

namespace {

QImage Opaque(QSize size, const std::function<void(QPainter&)>& paint, const QColor& background) {
  QImage layer = Layer(size.width(), size.height());
  {
    Pen p(&layer);
    paint(p);
  }
  return Over(layer, background);
}

// Rows of a one-pixel-wide picture, top to bottom.
QImage Column(const std::vector<QColor>& rows) {
  QImage column(1, int(rows.size()), QImage::Format_RGB32);
  for (int y = 0; y < int(rows.size()); ++y) column.setPixel(0, y, rows[y].rgb());
  return column;
}

// Aqua pinstripes: light rows alternating with slightly darker ones.
QImage MacOSFormBackground() {
  QImage pattern(8, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) pattern.setPixel(x, y, y % 2 == 0 ? 0xFFEBEBEB : 0xFFE3E3E3);
  }
  return pattern;
}

// Near-white with a faint diagonal.
QImage ProteinFormBackground() {
  QImage pattern(8, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) pattern.setPixel(x, y, (x + y) % 8 == 0 ? 0xFFF3F3F3 : 0xFFFBFBFB);
  }
  return pattern;
}

// The menu bar: a white top row, a pinstriped light grey, and a shadow line at the bottom (the
// items use only the first 20 rows).
QImage MacOSMenuBar() {
  std::vector<QColor> rows = {Rgb(0xFFFFFF)};
  for (int y = 1; y < 20; ++y) {
    QColor row = Mix(Rgb(0xF8F8F8), Rgb(0xE6E6E6), (y - 1) / 18.0);
    rows.push_back(y % 2 == 0 ? row.darker(102) : row);
  }
  rows.push_back(Rgb(0xD2D2D2));
  rows.push_back(Rgb(0xA6A6A6));
  return Column(rows);
}

QImage MacOSMenuSelect() {
  std::vector<QColor> rows = {Rgb(0x7EA8F2)};
  for (int y = 1; y < 20; ++y) {
    const qreal t = (y - 1) / 18.0;
    rows.push_back(t < 0.5 ? Mix(Rgb(0x6496EC), Rgb(0x447EE2), t * 2)
                           : Mix(Rgb(0x3A74DC), Rgb(0x2A62CF), (t - 0.5) * 2));
  }
  rows.push_back(Rgb(0x1E50B8));
  return Column(rows);
}

// Stretched over the combo box's own button; the black arrow is drawn on top of it.
QImage MacOSComboButton(const Look& macos) {
  const QSize size(16, 17);
  return Opaque(
      size,
      [&](QPainter& p) {
        const QRectF all(QPointF(0, 0), QSizeF(size));
        Face face = macos.buttonHover;
        face.border = QColor();
        PaintFace(p, all.adjusted(-2, 0, 2, 0), 0, face);
        p.fillRect(QRectF(0, 0, 1, size.height()), macos.controlBorder);
      },
      macos.control);
}

// Carries its own arrow.
QImage WinXPComboButton(const Look& winxp) {
  const QSize size(16, 18);
  return Opaque(
      size,
      [&](QPainter& p) {
        const QRectF all(QPointF(0, 0), QSizeF(size));
        PaintFace(p, all.adjusted(0, 0, 0, 0), 2, winxp.arrowNormal);
        DrawSymbol(p, Symbol::ArrowDown, all, winxp.arrow, 7, 1);
      },
      Qt::white);
}

// White is the mask colour of the check mark: drawn without antialiasing so that no pale
// fringe is left on a coloured item.
QImage MenuChecked() {
  QImage mark(16, 16, QImage::Format_RGB32);
  mark.fill(Qt::white);
  QPainter p(&mark);
  QPen pen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  p.setPen(pen);
  p.drawLine(QPoint(4, 7), QPoint(6, 9));
  p.drawLine(QPoint(6, 9), QPoint(11, 4));
  return mark;
}

// Minimize, restore, close of a maximized MDI child, drawn keyed on their bottom-left pixel.
QImage MdiControlButtons() {
  std::vector<QImage> frames;
  for (Symbol sign : {Symbol::Minimize, Symbol::Restore, Symbol::Close}) {
    QImage layer = Layer(16, 16);
    {
      Pen p(&layer);
      DrawSymbol(p, sign, QRectF(0, 0, 16, 16), Rgb(0x202020), 8, 2);
    }
    frames.push_back(KeyedOn(layer, Rgb(0xE7E7E7)));
  }
  return Strip(frames);
}

// The panel's fold button: unfolded, unfolded under the pointer, folded, folded under the
// pointer. It stands on every look's caption bar, so it brings its own face.
QImage PanelButtons() {
  std::vector<QImage> frames;
  for (Symbol sign : {Symbol::ChevronUp, Symbol::ChevronDown}) {
    for (bool hot : {false, true}) {
      QImage layer = Layer(13, 12);
      {
        Pen p(&layer);
        Face face = hot ? Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xD8E8FA)}}, Rgb(0x4A7DB8))
                        : Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xE2E2E2)}}, Rgb(0x8A8A8A));
        face.innerLight = WithAlpha(Qt::white, 0.8);
        PaintFace(p, QRectF(0, 0, 13, 12), 2, face);
        DrawSymbol(p, sign, QRectF(0, 0, 13, 12), hot ? Rgb(0x1B3F73) : Rgb(0x404040), 7, 1.2);
      }
      frames.push_back(Over(layer, Rgb(0x9A9A9A)));
    }
  }
  return Strip(frames);
}

// The tab scroll buttons DeepBlue, Protein and BlueGlass share: neutral grey, blue under the
// pointer.
QImage MoreScrollButtons(const Look& base) {
  Look neutral = base;
  neutral.arrowRadius = 2;
  neutral.arrowNormal = Plain({{0, Rgb(0xFCFCFC)}, {1, Rgb(0xD8D8D8)}}, Rgb(0x7A7A7A));
  neutral.arrowNormal.innerLight = WithAlpha(Qt::white, 0.8);
  neutral.arrowHover = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xD4E4F8)}}, Rgb(0x4A7DB8));
  neutral.arrowHover.innerLight = WithAlpha(Qt::white, 0.8);
  neutral.arrow = Rgb(0x303030);
  neutral.control = Rgb(0xE8E8E8);
  return TabScrollButtons(neutral, QSize(18, 17));
}

// The notice window: a light blue title band over a white body, a navy frame, and the close
// box at x 162..175, y 6..19.
QImage NoticePopForm() {
  const QSize size(181, 116);
  return Opaque(
      size,
      [&](QPainter& p) {
        const QRectF all(QPointF(0, 0), QSizeF(size));
        p.fillRect(all, Vertical(all, {{0, Rgb(0xFFFFFF)}, {1, Rgb(0xE4EEFA)}}));
        const QRectF title(0, 0, size.width(), 28);
        p.fillRect(title, Vertical(title, {{0, Rgb(0xE6F1FD)},
                                           {0.5, Rgb(0xCFE2F8)},
                                           {0.52, Rgb(0xC2D9F4)},
                                           {1, Rgb(0xB2CEF0)}}));
        p.fillRect(QRectF(0, 28, size.width(), 1), Rgb(0x8FB3E0));
        // A soft wave in the body's lower right corner.
        QPainterPath wave(QPointF(60, size.height()));
        wave.cubicTo(100, 96, 140, 118, size.width(), 84);
        wave.lineTo(size.width(), size.height());
        wave.closeSubpath();
        p.setBrush(WithAlpha(Rgb(0xB9D3F2), 0.45));
        p.drawPath(wave);
        p.setPen(QPen(Rgb(0x3E6FB0), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(QPen(WithAlpha(Qt::white, 0.8), 1));
        p.drawLine(QPointF(1.5, 1.5), QPointF(size.width() - 1.5, 1.5));
        p.setPen(Qt::NoPen);
        const QRectF closeBox(162, 6, 14, 14);
        Face face = Plain({{0, Rgb(0xFFFFFF)}, {1, Rgb(0xD6E6F8)}}, Rgb(0x3E6FB0));
        face.innerLight = WithAlpha(Qt::white, 0.8);
        PaintFace(p, closeBox, 3, face);
        DrawSymbol(p, Symbol::Close, closeBox, Rgb(0x1E3F78), 6, 1.4);
      },
      Qt::white);
}

}  // namespace

Pictures FixedPictures(const Look& macos, const Look& winxp) {
  return {{"MACOS_FORM_BACKGROUND", MacOSFormBackground()},
          {"PROTEIN_FORM_BACKGROUND", ProteinFormBackground()},
          {"MACOS_MENU_BAR", MacOSMenuBar()},
          {"MACOS_MENU_SELECT", MacOSMenuSelect()},
          {"MACOS_COMBOBOX_BUTTON", MacOSComboButton(macos)},
          {"WINXP_COMBOBOX_BUTTON", WinXPComboButton(winxp)},
          {"MENU_CHECKED", MenuChecked()},
          {"MDI_CONTROL_BUTTON", MdiControlButtons()},
          {"PANEL_BUTTON", PanelButtons()},
          {"MORE_SCROLLBUTTON", MoreScrollButtons(macos)},
          {"NOTICEPOPFORM", NoticePopForm()}};
}

}  // namespace art
