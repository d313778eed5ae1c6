// Gallery section: the button family in each of its states (normal, under the mouse, pressed,
// disabled, focused, with glyphs in every layout), and the status and tool bars.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "skin/bars/statusbar.h"
#include "skin/bars/toolbar.h"
#include "skin/bars/toolbutton.h"
#include "skin/buttons/arrowbutton.h"
#include "skin/buttons/button.h"
#include "skin/buttons/controlbutton.h"
#include "skin/buttons/imagebutton.h"
#include "skin/buttons/toolbarspeedbutton.h"
#include "tools/skin-gallery/gallery.h"

namespace {

enum class Shown { Normal, Hover, Pressed, Disabled, Focused };

// Puts a control into a state the way the user would: the pointer over it, a press held.
void Show(QWidget* control, Shown state) {
  switch (state) {
    case Shown::Normal:
      break;
    case Shown::Hover: {
      QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
      QApplication::sendEvent(control, &enter);
      break;
    }
    case Shown::Pressed: {
      QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
      QApplication::sendEvent(control, &enter);
      QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(control, &press);
      break;
    }
    case Shown::Disabled:
      control->setEnabled(false);
      break;
    case Shown::Focused:
      GalleryMarkFocused(control);
      break;
  }
}

// A small glyph drawn on the key colour of its top-left pixel; two images side by side when
// twoImages is set (the second, for the disabled button, in grey).
QImage MakeGlyph(bool twoImages) {
  QImage glyph(twoImages ? 32 : 16, 16, QImage::Format_RGB32);
  glyph.fill(Qt::white);
  QPainter painter(&glyph);
  for (int image = 0; image < (twoImages ? 2 : 1); ++image) {
    painter.setBrush(image == 0 ? QColor(0x20, 0x60, 0xC0) : QColor(0x90, 0x90, 0x90));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRect(16 * image + 2, 2, 12, 12));
  }
  return glyph;
}

QImage Flat(QSize size, QColor colour) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(colour);
  picture.setPixel(0, 0, qRgb(255, 0, 255));  // key colour in the corner
  return picture;
}

template <class Button>
Button* MakeButton(QWidget* parent, TSkinUIStyle style, TSkinFileTheme* theme,
                   const QString& caption, Shown state, QSize size = {65, 25}) {
  auto* button = new Button(parent);
  button->SetFileTheme(theme);
  button->SetUIStyle(style);
  button->SetCaption2(caption);
  button->setFixedSize(size);
  // A held button would take the focus mark from the focused one.
  if (state == Shown::Pressed) button->SetTabStop(false);
  Show(button, state);
  return button;
}

void AddLabel(QGridLayout* grid, int row, const QString& text) {
  grid->addWidget(new QLabel(text, grid->parentWidget()), row, 0);
}

void AddPushButtons(QGridLayout* grid, int& row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  AddLabel(grid, row, "buttons");
  const struct {
    const char* caption;
    Shown state;
  } cells[] = {{"&Normal", Shown::Normal},   {"&Hover", Shown::Hover},
               {"&Pressed", Shown::Pressed}, {"&Disabled", Shown::Disabled},
               {"&Focused", Shown::Focused}, {" &转　换 ", Shown::Normal}};
  int column = 1;
  for (const auto& cell : cells) {
    grid->addWidget(
        MakeButton<TSkinButton>(parent, style, theme, QString::fromUtf8(cell.caption), cell.state),
        row, column++);
  }
  ++row;

  AddLabel(grid, row, "glyphs");
  column = 1;
  for (TSkinButton::TButtonLayout layout : {TSkinButton::blGlyphLeft, TSkinButton::blGlyphRight,
                                            TSkinButton::blGlyphTop, TSkinButton::blGlyphBottom}) {
    const bool upright = layout == TSkinButton::blGlyphTop || layout == TSkinButton::blGlyphBottom;
    auto* button = MakeButton<TSkinButton>(parent, style, theme, "&Glyph", Shown::Normal,
                                           upright ? QSize(65, 44) : QSize(80, 25));
    button->SetGlyph(MakeGlyph(false));
    button->SetLayout(layout);
    grid->addWidget(button, row, column++);
  }
  for (bool twoImages : {false, true}) {
    auto* button = MakeButton<TSkinButton>(parent, style, theme, "&Off", Shown::Disabled, {80, 25});
    button->SetGlyph(MakeGlyph(twoImages));
    grid->addWidget(button, row, column++);
  }
  ++row;
}

void AddSmallButtons(QGridLayout* grid, int& row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  AddLabel(grid, row, "arrows, pictures");
  int column = 1;
  for (Shown state : {Shown::Normal, Shown::Hover, Shown::Pressed, Shown::Disabled}) {
    auto* arrow = MakeButton<TSkinArrowButton>(parent, style, theme, "", state, {17, 11});
    arrow->SetArrow(state == Shown::Hover ? TSkinArrowButton::skinDown : TSkinArrowButton::skinUp);
    grid->addWidget(arrow, row, column++);
  }
  for (Shown state : {Shown::Normal, Shown::Hover, Shown::Pressed, Shown::Disabled}) {
    auto* picture = MakeButton<TSkinImageButton>(parent, style, theme, "", state, {16, 16});
    picture->SetPicNormal(Flat({16, 16}, QColor(0x60, 0x90, 0xD0)));
    picture->SetPicMouseOn(Flat({16, 16}, QColor(0x80, 0xB0, 0xF0)));
    picture->SetPicMouseDown(Flat({16, 16}, QColor(0x30, 0x60, 0xA0)));
    picture->SetPicDisabled(Flat({16, 16}, QColor(0xA0, 0xA0, 0xA0)));
    grid->addWidget(picture, row, column++);
  }
  ++row;

  AddLabel(grid, row, "title-bar frames, speed buttons");
  column = 1;
  for (Shown state : {Shown::Normal, Shown::Hover}) {
    auto* control = new TSkinControlButton(parent);
    control->SetFileTheme(theme);
    control->SetUIStyle(style);
    control->SetPicCount(18);
    control->SetPicIndex(16);  // the close button's frames
    control->SetThemeID(5);
    Show(control, state);
    grid->addWidget(control, row, column++);
  }
  for (bool hot : {false, true}) {
    auto* speed = new TSkinToolBarSpeedButton(parent);
    speed->SetColor(0xE7E7E7);
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    QPainter(&glyph).fillRect(QRect(4, 10, 8, 2), Qt::black);  // minimize
    speed->SetGlyph(glyph);
    speed->setFixedSize(18, 18);
    if (hot) Show(speed, Shown::Hover);
    grid->addWidget(speed, row, column++);
  }
  ++row;
}

void AddBars(QGridLayout* grid, int& row, TSkinUIStyle style, TSkinFileTheme* theme) {
  QWidget* parent = grid->parentWidget();
  AddLabel(grid, row, "status bars");
  auto* simple = new TSkinStatusBar(parent);
  simple->SetFileTheme(theme);
  simple->SetUIStyle(style);
  simple->SetSimpleText(QString::fromUtf8("按着'CTRL'键来手动素描!"));
  simple->setFixedSize(260, 19);
  grid->addWidget(simple, row, 1, 1, 3);
  auto* panels = new TSkinStatusBar(parent);
  panels->SetFileTheme(theme);
  panels->SetUIStyle(style);
  panels->SetPanels({{"Panel one", 90}, {"Panel two", 90}});
  panels->setFixedSize(260, 19);
  grid->addWidget(panels, row, 4, 1, 3);
  ++row;

  AddLabel(grid, row, "tool bar");
  auto* bar = new TSkinToolBar(parent);
  bar->SetFileTheme(theme);
  bar->SetUIStyle(style);
  bar->SetShowCaptions(true);
  bar->SetButtonWidth(56);
  bar->SetButtonHeight(38);
  bar->SetImages({MakeGlyph(false)});
  const struct {
    const char* caption;
    TSkinToolButton::TToolButtonStyle kind;
    Shown state;
    bool down;
  } buttons[] = {{"&Rest", TSkinToolButton::tbsButton, Shown::Normal, false},
                 {"&Hot", TSkinToolButton::tbsButton, Shown::Hover, false},
                 {"&Held", TSkinToolButton::tbsButton, Shown::Pressed, false},
                 {"", TSkinToolButton::tbsSeparator, Shown::Normal, false},
                 {"&Checked", TSkinToolButton::tbsCheck, Shown::Normal, true},
                 {"&Menu", TSkinToolButton::tbsDropDown, Shown::Hover, false},
                 {"&Off", TSkinToolButton::tbsButton, Shown::Disabled, false}};
  for (const auto& b : buttons) {
    auto* button = new TSkinToolButton(bar);
    button->SetStyle(b.kind);
    button->SetCaption(b.caption);
    button->SetImageIndex(0);
    button->SetDown(b.down);
    Show(button, b.state);
  }
  bar->setFixedSize(420, 40);
  grid->addWidget(bar, row, 1, 1, 6);
  ++row;
}

QWidget* BuildButtons(TSkinUIStyle style, TSkinFileTheme* theme) {
  auto* box = new QWidget;
  auto* grid = new QGridLayout(box);
  int row = 0;
  AddPushButtons(grid, row, style, theme);
  AddSmallButtons(grid, row, style, theme);
  AddBars(grid, row, style, theme);
  return box;
}

GalleryRegistration buttons{"Buttons and bars", 20, BuildButtons};

}  // namespace
