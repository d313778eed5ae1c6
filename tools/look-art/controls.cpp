// The pictures every look has, painted from the look's faces: push buttons, check boxes and
// radio buttons, progress and track bars, scroll-bar pieces, tabs and the panel pieces.
#include <QTransform>

#include "looks.h"
#include "symbols.h"

namespace art {

namespace {

enum class Checked { Yes, No };
enum class Enabled { Yes, No };

// How much a disabled control fades into its background.
constexpr qreal kDisabledFade = 0.55;

QImage PushButton(const Look& look, const Face& face) {
  const QSize size = look.size.button;
  QImage layer = Layer(size.width(), size.height());
  {
    Pen p(&layer);
    PaintFace(p, QRectF(QPointF(0, 0), QSizeF(size)), look.buttonRadius, face);
  }
  // Buttons of looks with transparent buttons have see-through corners; the others are drawn
  // opaque and show their corners on the form's colour.
  if (GetInsideThemeBool(look.style, 2)) return KeyedOn(layer, look.form);
  return Over(layer, look.form);
}

// The square or round box of a check box, radio button or check-list item.
QImage StateBox(const Look& look, QSize frame, bool round, Checked checked, Enabled enabled) {
  QImage layer = Layer(frame.width(), frame.height());
  {
    Pen p(&layer);
    const int side = std::min(frame.width(), frame.height());
    const QRectF box((frame.width() - side) / 2, (frame.height() - side) / 2, side, side);
    Face face = checked == Checked::Yes ? look.boxOn : look.boxOff;
    QColor mark = look.markOn;
    if (enabled == Enabled::No) {
      face = Faded(face, look.form, kDisabledFade);
      mark = Mix(mark, look.form, kDisabledFade);
    }
    if (round) {
      QPainterPath circle;
      circle.addEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
      PaintFace(p, circle, face);
      if (checked == Checked::Yes) {
        const qreal dot = std::max(3.0, side * 0.36);
        p.setBrush(mark);
        p.drawEllipse(box.center(), dot / 2, dot / 2);
      }
    } else {
      PaintFace(p, box, look.boxRadius, face);
      if (checked == Checked::Yes) {
        const int markSize = side - (side >= 15 ? 5 : 4);
        DrawSymbol(p, Symbol::Check, box, mark, markSize, side >= 15 ? 2.2 : 1.9);
      }
    }
  }
  // Check boxes are drawn opaque; radio buttons are keyed on their bottom-left pixel.
  return round ? KeyedOn(layer, look.form) : Over(layer, look.form);
}

QImage StateStrip(const Look& look, QSize frame, bool round) {
  return Strip({StateBox(look, frame, round, Checked::Yes, Enabled::Yes),
                StateBox(look, frame, round, Checked::No, Enabled::Yes),
                StateBox(look, frame, round, Checked::Yes, Enabled::No),
                StateBox(look, frame, round, Checked::No, Enabled::No)});
}

QImage ProgressFill(const Look& look) {
  const QSize size = look.size.progress;
  QImage layer = Layer(size.width(), size.height());
  {
    Pen p(&layer);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    p.fillRect(all, Vertical(all, look.progress));
  }
  return Over(layer, look.control);
}

// The track-bar channel: three equal parts, the ends rounded into magenta.
QImage TrackBarBar(const Look& look) {
  const QSize size = look.size.trackBar;
  QImage layer = Layer(size.width(), size.height());
  {
    Pen p(&layer);
    PaintFace(p, QRectF(QPointF(0, 0), QSizeF(size)), std::min(size.height() / 2.0, 3.0),
              look.groove);
  }
  return KeyedOn(layer, look.control);
}

// A slider pointing down (horizontal bar) or right (vertical bar).
QPainterPath Pointer(QSizeF size, bool down) {
  const qreal w = down ? size.width() : size.height();
  const qreal l = down ? size.height() : size.width();
  const qreal tip = (w - 1) / 2;
  QPainterPath path;
  const qreal r = 2;
  path.moveTo(0.5, l - 0.5 - tip);
  path.lineTo(0.5, 0.5 + r);
  path.quadTo(0.5, 0.5, 0.5 + r, 0.5);
  path.lineTo(w - 0.5 - r, 0.5);
  path.quadTo(w - 0.5, 0.5, w - 0.5, 0.5 + r);
  path.lineTo(w - 0.5, l - 0.5 - tip);
  path.lineTo(w / 2, l - 0.5);
  path.closeSubpath();
  if (down) return path;
  // Mirror over the diagonal: the pointer then points right.
  return QTransform(0, 1, 1, 0, 0, 0).map(path);
}

QImage Slider(const Look& look, bool horizontal) {
  const QSize size = horizontal ? look.size.slider : look.size.sliderV;
  QImage layer = Layer(size.width(), size.height());
  {
    Pen p(&layer);
    PaintFace(p, Pointer(QSizeF(size), horizontal), look.knob);
  }
  // The horizontal slider shows the bar through its magenta (keyed on its bottom-left pixel);
  // the vertical one is drawn opaque.
  return horizontal ? KeyedOn(layer, look.form) : Over(layer, look.form);
}

// One scroll-bar arrow button, as a vertical bar shows it. The face is painted lying, as on a
// horizontal bar, and stood up by a clockwise quarter turn, so that the light falls across
// the bar in both orientations, as on the thumb.
QImage ScrollArrow(const Look& look, const Face& face, Symbol arrow, QColor arrowColor) {
  const QSize frame = look.size.scrollButton;
  QImage lying = Layer(frame.height(), frame.width());
  {
    Pen p(&lying);
    PaintFace(p, QRectF(0, 0, frame.height(), frame.width()), look.arrowRadius, face);
  }
  QImage standing = lying.transformed(QTransform().rotate(90));
  {
    Pen p(&standing);
    const int arrowSize = frame.width() >= 16 ? 7 : 5;
    DrawSymbol(p, arrow, QRectF(0, 0, frame.width(), frame.height()), arrowColor, arrowSize, 1);
  }
  return KeyedOn(standing, look.scrollBack);
}

QImage ScrollArrows(const Look& look) {
  std::vector<QImage> frames;
  for (Symbol arrow : {Symbol::ArrowUp, Symbol::ArrowDown}) {
    frames.push_back(ScrollArrow(look, look.arrowNormal, arrow, look.arrow));
    frames.push_back(ScrollArrow(look, look.arrowHover, arrow, look.arrow));
    frames.push_back(ScrollArrow(look, look.arrowPressed, arrow, look.arrow));
  }
  return Strip(frames);
}

// The thumb, drawn for a horizontal bar: start cap, middle piece, end cap.
QImage ScrollThumb(const Look& look) {
  const QSize frame = look.size.scrollThumb;
  const int width = frame.width() * 3;
  QImage layer = Layer(width, frame.height());
  {
    Pen p(&layer);
    const qreal radius = std::min(frame.width() - 1.0, (frame.height() - 2) / 2.0);
    PaintFace(p, QRectF(0, 1, width, frame.height() - 2), radius, look.thumb);
  }
  // The thumb is drawn opaque on the bar's colour.
  return Over(layer, look.scrollBack);
}

// Tab outline: the sides and rounded top; open at the bottom where the tab meets the body.
QPainterPath TabOutline(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.moveTo(rect.left() + 0.5, rect.bottom());
  path.lineTo(rect.left() + 0.5, rect.top() + 0.5 + radius);
  path.quadTo(rect.left() + 0.5, rect.top() + 0.5, rect.left() + 0.5 + radius, rect.top() + 0.5);
  path.lineTo(rect.right() - 0.5 - radius, rect.top() + 0.5);
  path.quadTo(rect.right() - 0.5, rect.top() + 0.5, rect.right() - 0.5, rect.top() + 0.5 + radius);
  path.lineTo(rect.right() - 0.5, rect.bottom());
  return path;
}

QImage Tab(const Look& look, bool active) {
  const QSize frame = look.size.tab;
  // The middle third is stretched: the rounding stays inside the outer thirds.
  const qreal third = frame.width() / 3;
  const qreal radius = std::min(third - 1, 4.0);
  // An inactive tab stands two rows lower, so the active one rises above its neighbours.
  const qreal top = active ? 0 : 2;
  const QRectF rect(0, top, frame.width(), frame.height() - top);
  const Face& face = active ? look.tabActive : look.tabInactive;
  QImage layer = Layer(frame.width(), frame.height());
  {
    Pen p(&layer);
    QPainterPath area = TabOutline(rect, radius);
    area.closeSubpath();
    Face body = face;
    body.border = QColor();
    body.sheenRadius = 0;
    PaintFace(p, area, body);
    if (active && look.tabHighlight.isValid()) {
      p.setClipPath(area);
      p.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 2), look.tabHighlight);
      p.setClipping(false);
    }
    p.setPen(QPen(face.border, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(TabOutline(rect, radius));
  }
  return KeyedOn(layer, look.control);
}

// The line under the tabs: the frame colour on top, then the rows of the look.
QImage TabLine(const Look& look) {
  const QSize size = look.size.tabLine;
  QImage line(size, QImage::Format_RGB32);
  QPainter p(&line);
  p.fillRect(0, 0, size.width(), 1, look.controlBorder);
  if (size.height() > 1) {
    const QRectF rows(0, 1, size.width(), size.height() - 1);
    p.fillRect(rows, Vertical(rows, look.tabLine));
  }
  return line;
}

QImage TabScrollButton(const Look& look, QSize frame, const Face& face, Symbol arrow) {
  QImage layer = Layer(frame.width(), frame.height());
  {
    Pen p(&layer);
    const QRectF button = QRectF(QPointF(0, 0), QSizeF(frame)).adjusted(1, 1, -1, -1);
    PaintFace(p, button, look.arrowRadius, face);
    DrawSymbol(p, arrow, button, look.arrow, 5, 1);
  }
  // Drawn keyed on the bottom-left pixel: magenta all round.
  return KeyedOn(layer, look.control);
}

// The side-channel handle: a vertical grip with an arrow in its middle.
QImage SideHandle(const Look& look) {
  const QSize size = look.size.sideHandle;
  QImage layer = Layer(size.width(), size.height());
  {
    Pen p(&layer);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    PaintFace(p, all, std::min(3.0, size.width() / 2.0), look.arrowNormal);
    DrawSymbol(p, Symbol::ArrowLeft, all, look.arrow, 5, 1);
    p.setBrush(look.sideHandle);
    const qreal cx = size.width() / 2.0;
    for (int i : {-3, -2, 2, 3}) {
      p.drawRect(QRectF(cx - 1.5, size.height() / 2.0 + i * 4 - 0.5, 3, 1));
    }
  }
  return KeyedOn(layer, look.control);
}

QImage SideBar(const Look& look) {
  const QSize size = look.size.sideBar;
  QImage bar(size, QImage::Format_RGB32);
  QPainter p(&bar);
  const QRectF all(QPointF(0, 0), QSizeF(size));
  p.fillRect(all, Vertical(all, look.sideBar));
  return bar;
}

}  // namespace

QImage TabScrollButtons(const Look& look, QSize frame) {
  return Strip({TabScrollButton(look, frame, look.arrowNormal, Symbol::ArrowRight),
                TabScrollButton(look, frame, look.arrowHover, Symbol::ArrowRight),
                TabScrollButton(look, frame, look.arrowNormal, Symbol::ArrowLeft),
                TabScrollButton(look, frame, look.arrowHover, Symbol::ArrowLeft)});
}

Pictures ControlPictures(const Look& look) {
  const QString p = look.prefix + "_";
  Pictures pictures = {
      {p + "BUTTON", Strip({PushButton(look, look.buttonNormal), PushButton(look, look.buttonHover),
                            PushButton(look, look.buttonPressed)})},
      {p + "CHECKBOX", StateStrip(look, look.size.checkBox, false)},
      {p + "RADIOBUTTON", StateStrip(look, look.size.radioButton, true)},
      {p + "CHECKLIST", StateStrip(look, look.size.checkList, false)},
      {p + "PROGRESSBAR", ProgressFill(look)},
      {p + "TRACKBAR_BAR", TrackBarBar(look)},
      {p + "TRACKBAR_SLIDER", Slider(look, true)},
      {p + "TRACKBAR_SLIDER_V", Slider(look, false)},
      {p + "SCROLLBAR_BUTTON", ScrollArrows(look)},
      {p + "SCROLLBAR_TRACK", ScrollThumb(look)},
      {p + "TAB", Strip({Tab(look, true), Tab(look, false)})},
      {p + "TAB_LINE", TabLine(look)},
      {p + "SIDECHENNEL_HANDLE", SideHandle(look)},
      {p + "SIDECHENNEL_BAR", SideBar(look)},
  };
  if (!look.sharedScrollButton) {
    pictures.push_back({p + "SCROLLBUTTON", TabScrollButtons(look, look.size.tabScrollButton)});
  }
  return pictures;
}

}  // namespace art
