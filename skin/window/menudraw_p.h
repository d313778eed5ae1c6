#pragma once
// How a skinned menu measures and draws its items: the look's colours, or in MacOS the menu
// pictures, the leading colour column, separators, check marks and item pictures, captions with
// their '&' letters and shortcut texts, and the flat border round a menu window.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// The look a menu draws its items in, filled when the look is applied.
struct SkinMenuLook {
  bool pictures = false;  // MacOS: items and separators are cut from the menu pictures
  int itemHeight = 21;
  int separatorHeight = 21;
  int barWidth = 0;  // the coloured column at the item's leading edge
  QColor barColor;
  QColor color;
  QColor separatorColor;
  QColor selectedBorderColor;
  QColor selectedColor;
  QColor selectedFontColor;
  QColor fontColor;
  QColor edgeColor;   // the form colour: the flat border's outermost lines
  QColor panelColor;  // behind the items, where the menu window shows through
  QFont font;
};

// What one item shows.
struct SkinMenuItem {
  QString caption;   // '&' marks the item's letter
  QString shortcut;  // the shortcut as text, or empty
  bool separator = false;
  bool enabled = true;
  bool selected = false;
  bool checked = false;
  bool isDefault = false;  // drawn bold
  bool hasSubmenu = false;
  QImage image;  // the item's picture, or none
  bool rightToLeft = false;
};

// Height: SeparatorHeight for a separator, else MenuItemHeight. Width: the caption and the
// shortcut text side by side, the colour column and 40 pixels.
QSize MeasureMenuItem(const SkinMenuLook& look, const SkinMenuItem& item);
// Draws the item over rect.
void DrawMenuItem(QPainter& painter, const QRect& rect, const SkinMenuLook& look,
                  const SkinMenuItem& item);

void Menu_DrawBorder(QPainter& painter, const QRect& rect, const QColor& color);
void Menu_DrawBackGround(QPainter& painter, const QRect& rect, const QColor& color);
// The separator line, 2 pixels below the item's top, clear of the colour column.
void Menu_DrawLineItem(QPainter& painter, const QRect& rect, const QColor& color, int barWidth,
                       bool leftToRight);
void Menu_DrawMacOSLineItem(QPainter& painter, const QRect& rect);
void Menu_DrawMacOSSelectedItem(QPainter& painter, const QRect& rect);
void Menu_DrawMacOSNonSelectedItem(QPainter& painter, const QRect& rect);
// The flat border round a whole menu window: outer colour, white inside it, and the edge colour
// along the top, the right and the bottom.
void Menu_DrawWindowBorder(QPainter& painter, const QRect& window, const QColor& outer,
                           const QColor& edge);
// The platform's menu font.
QFont Menu_GetSystemFont();
