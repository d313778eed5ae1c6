#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include "skin/look/builtinlooks.h"
#include "skin/paint/keyedpicture_p.h"
#include "skin/window/menudraw_p.h"

namespace {

constexpr int kTextTop = 4;       // captions and shortcuts start this far below the item's top
constexpr int kTextGap = 4;       // between the colour column and the caption
constexpr int kShortcutGap = 16;  // between the shortcut and the item's trailing edge
constexpr int kExtraWidth = 40;
constexpr QRgb kCheckMarkKey = 0xFFFFFFFF;  // the check mark's white is see-through
const QColor kDisabledText(0x80, 0x80, 0x80);

// (left, top, right, bottom) with right and bottom exclusive.
QRect Span(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left, bottom - top);
}

// The top `rows` rows of a fixed picture stretched over rect.
void DrawPictureRows(QPainter& painter, const QRect& rect, const char* name, int rows) {
  const QImage picture = LoadSkinResource(QString::fromLatin1(name));
  if (picture.isNull() || rect.isEmpty()) return;
  painter.drawImage(rect, picture, QRect(0, 0, picture.width(), qMin(rows, picture.height())));
}

// The check mark with its white see-through, keyed once.
const QImage& CheckMark() {
  static const QImage mark =
      KeyedPicture(LoadSkinResource(QStringLiteral("MENU_CHECKED")), kCheckMarkKey);
  return mark;
}

QString VisibleText(const QString& caption) {
  QString text;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  return text;
}

// The column beside the caption: BarColor across BarWidth at the leading edge, Color elsewhere.
void DrawPlainBackground(QPainter& painter, const QRect& rect, const SkinMenuLook& look,
                         bool rightToLeft) {
  Menu_DrawBackGround(painter, rect, look.color);
  if (look.barWidth <= 0) return;
  const QRect bar = rightToLeft ? Span(rect.right() + 1 - look.barWidth, rect.top(),
                                       rect.right() + 1, rect.bottom() + 1)
                                : QRect(rect.left(), rect.top(), look.barWidth, rect.height());
  Menu_DrawBackGround(painter, bar, look.barColor);
}

void DrawSeparator(QPainter& painter, const QRect& rect, const SkinMenuLook& look,
                   bool rightToLeft) {
  if (look.pictures) {
    Menu_DrawMacOSLineItem(painter, rect);
    return;
  }
  DrawPlainBackground(painter, rect, look, rightToLeft);
  Menu_DrawLineItem(painter, rect, look.separatorColor, look.barWidth, !rightToLeft);
}

// The check mark or the item's picture at the glyph place.
void DrawGlyph(QPainter& painter, const QRect& rect, const SkinMenuLook& look,
               const SkinMenuItem& item) {
  const int x = item.rightToLeft ? rect.right() + 1 - 20 : rect.left() + 4;
  const int top = rect.top();
  const auto draw = [&](const QImage& picture) {
    painter.drawImage(x, top + 3, item.enabled ? picture : GreyedPicture(picture));
  };
  if (item.checked && !item.image.isNull()) {
    painter.fillRect(Span(x - 2, top + 1, x + 17, top + 20), Qt::black);
    painter.fillRect(Span(x - 1, top + 2, x + 16, top + 19), look.selectedColor);
  } else if (item.checked) {
    draw(CheckMark());
  }
  if (!item.image.isNull()) draw(item.image);
}

// A small arrow at the trailing edge of an item that opens a submenu, pointing outwards.
void DrawSubmenuArrow(QPainter& painter, const QRect& rect, bool rightToLeft) {
  const int middle = rect.top() + rect.height() / 2;
  for (int i = 0; i < 4; ++i) {
    const int x = rightToLeft ? rect.left() + 9 - i : rect.right() - 9 + i;
    painter.drawLine(x, middle - (3 - i), x, middle + (3 - i));
  }
}

}  // namespace

QSize MeasureMenuItem(const SkinMenuLook& look, const SkinMenuItem& item) {
  const bool separator = item.separator || item.caption == QStringLiteral("-");
  const QFontMetrics metrics(look.font);
  const int width = metrics.horizontalAdvance(VisibleText(item.caption)) +
                    metrics.horizontalAdvance(item.shortcut) + look.barWidth + kExtraWidth;
  return QSize(width, separator ? look.separatorHeight : look.itemHeight);
}

void DrawMenuItem(QPainter& painter, const QRect& rect, const SkinMenuLook& look,
                  const SkinMenuItem& item) {
  painter.save();
  if (item.separator || item.caption == QStringLiteral("-")) {
    DrawSeparator(painter, rect, look, item.rightToLeft);
    painter.restore();
    return;
  }
  const bool selected = item.selected && item.enabled;
  if (selected && look.pictures) {
    Menu_DrawMacOSSelectedItem(painter, rect);
  } else if (selected) {
    Menu_DrawBackGround(painter, rect, look.selectedColor);
    Menu_DrawBorder(painter, rect, look.selectedBorderColor);
  } else if (look.pictures) {
    Menu_DrawMacOSNonSelectedItem(painter, rect);
  } else {
    DrawPlainBackground(painter, rect, look, item.rightToLeft);
  }

  QFont font = look.font;
  font.setBold(item.isDefault);
  painter.setFont(font);
  painter.setPen(!item.enabled ? kDisabledText
                 : selected    ? look.selectedFontColor
                               : look.fontColor);
  const int right = rect.right() + 1, bottom = rect.bottom() + 1;
  const int flags = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignTop;
  const int textTop = rect.top() + kTextTop;
  if (item.rightToLeft) {
    painter.drawText(Span(rect.left(), textTop, right - look.barWidth - kTextGap, bottom),
                     flags | Qt::AlignRight, item.caption);
  } else {
    painter.drawText(Span(rect.left() + look.barWidth + kTextGap, textTop, right, bottom),
                     flags | Qt::AlignLeft, item.caption);
  }
  if (!item.shortcut.isEmpty()) {
    const int width = QFontMetrics(font).horizontalAdvance(item.shortcut);
    const int x = item.rightToLeft ? rect.left() + kShortcutGap : right - width - kShortcutGap;
    painter.drawText(Span(x, textTop, x + width, bottom),
                     Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignTop, item.shortcut);
  }
  if (item.hasSubmenu) DrawSubmenuArrow(painter, rect, item.rightToLeft);
  DrawGlyph(painter, rect, look, item);
  painter.restore();
}

void Menu_DrawBorder(QPainter& painter, const QRect& rect, const QColor& color) {
  if (rect.isEmpty()) return;
  painter.fillRect(rect.left(), rect.top(), rect.width(), 1, color);
  painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, color);
  painter.fillRect(rect.left(), rect.top(), 1, rect.height(), color);
  painter.fillRect(rect.right(), rect.top(), 1, rect.height(), color);
}

void Menu_DrawBackGround(QPainter& painter, const QRect& rect, const QColor& color) {
  painter.fillRect(rect, color);
}

void Menu_DrawLineItem(QPainter& painter, const QRect& rect, const QColor& color, int barWidth,
                       bool leftToRight) {
  const int left = rect.left(), right = rect.right() + 1, y = rect.top() + 2;
  const QRect line = leftToRight ? Span(left + barWidth + 4, y, right - 2, y + 1)
                                 : Span(left + 2, y, right - barWidth - 4, y + 1);
  if (!line.isEmpty()) painter.fillRect(line, color);
}

void Menu_DrawMacOSLineItem(QPainter& painter, const QRect& rect) {
  DrawPictureRows(painter, rect, "MACOS_MENU_BAR", 12);
}

void Menu_DrawMacOSSelectedItem(QPainter& painter, const QRect& rect) {
  DrawPictureRows(painter, rect, "MACOS_MENU_SELECT", 20);
}

void Menu_DrawMacOSNonSelectedItem(QPainter& painter, const QRect& rect) {
  DrawPictureRows(painter, rect, "MACOS_MENU_BAR", 20);
}

void Menu_DrawWindowBorder(QPainter& painter, const QRect& window, const QColor& outer,
                           const QColor& edge) {
  const int l = window.left(), t = window.top(), r = window.right() + 1, b = window.bottom() + 1;
  const QRect frame = Span(l, t + 1, r - 1, b - 1);
  Menu_DrawBorder(painter, frame, outer);
  Menu_DrawBorder(painter, frame.adjusted(1, 1, -1, -1), Qt::white);
  // (l, b-1) → (r-1, b-1) → (r-1, t) → (r, t) → (l, t), each line without its last point.
  painter.fillRect(Span(l, b - 1, r - 1, b), edge);
  painter.fillRect(Span(r - 1, t + 1, r, b), edge);
  painter.fillRect(Span(l + 1, t, r, t + 1), edge);
}

QFont Menu_GetSystemFont() { return QApplication::font("QMenu"); }
