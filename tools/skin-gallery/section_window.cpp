// Gallery section: a skinned window in the look, as a user sees it: its frame and shape, the
// title bar with its buttons, the menu bar with a menu dropped down (an item under the pointer,
// a checked item, a disabled one, shortcuts and a submenu), and the top of the same window
// maximized, with the restore button.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "skin/buttons/button.h"
#include "skin/buttons/checkbox.h"
#include "skin/window/form.h"
#include "skin/window/mainmenu.h"
#include "skin/window/menubar.h"
#include "skin/window/menubarbutton.h"
#include "tools/skin-gallery/gallery.h"

namespace {

constexpr int kMaximizedRows = 56;  // of the maximized window, the title and menu bars

// A window carrying a skinned form with a menu and a few controls.
struct DemoWindow {
  DemoWindow(TSkinUIStyle style, TSkinFileTheme* theme, const QRect& bounds) {
    window.setGeometry(bounds);
    skin = new TSkinForm(&window);
    skin->SetFileTheme(theme);
    skin->SetUIStyle(style);
    skin->SetCaption(QStringLiteral("Graphitine - a skinned window"));
    menu = new TSkinMainMenu(&window);
    file = menu->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open..."))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    file->addAction(QStringLiteral("&Save"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    QAction* grid = file->addAction(QStringLiteral("Show &grid"));
    grid->setCheckable(true);
    grid->setChecked(true);
    file->addAction(QStringLiteral("&Print"))->setEnabled(false);
    file->addMenu(QStringLiteral("&Recent"))->addAction(QStringLiteral("portrait.jpg"));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"));
    menu->addMenu(QStringLiteral("&Edit"))->addAction(QStringLiteral("&Undo"));
    menu->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("&Real size"));
    menu->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    skin->SetMenu(menu);
    auto* panel = new QWidget;
    skin->SetPanel(panel);
    window.show();
    auto* check = new TSkinCheckBox(panel);
    check->SetCaption(QStringLiteral("Pencil"));
    check->SetChecked(true);
    check->setGeometry(200, 12, 100, 20);
    check->show();
    auto* button = new TSkinButton(panel);
    button->SetCaption2(QStringLiteral("Convert"));
    button->setGeometry(panel->width() - 92, panel->height() - 34, 80, 24);
    button->show();
    window.activateWindow();
    QApplication::processEvents();
  }

  // What the window shows, see-through outside its shape.
  QImage Picture() {
    QApplication::processEvents();
    QImage shown = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRegion shape = window.mask();
    if (shape.isEmpty()) return shown;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x)
        if (!shape.contains(QPoint(x, y))) shown.setPixel(x, y, 0);
    return shown;
  }

  QWidget window;
  TSkinForm* skin;
  TSkinMainMenu* menu;
  QMenu* file;
};

// The restored window with its File menu down and the pointer on its third item.
QImage WithMenuDown(TSkinUIStyle style, TSkinFileTheme* theme) {
  DemoWindow demo(style, theme, QRect(40, 40, 380, 200));
  demo.skin->MenuBar()->DropDown(demo.skin->MenuBar()->Buttons().first());
  demo.file->setActiveAction(demo.file->actions().at(2));
  QApplication::processEvents();
  const QImage window = demo.Picture();
  const QImage menu = demo.file->grab().toImage();
  const QPoint at = demo.file->pos() - demo.window.pos();
  QImage both(window.width(), std::max(window.height(), at.y() + menu.height()),
              QImage::Format_ARGB32);
  both.fill(Qt::transparent);
  QPainter painter(&both);
  painter.drawImage(0, 0, window);
  painter.drawImage(at, menu);
  demo.file->hide();
  return both;
}

// The title and menu bars of the window maximized.
QImage MaximizedTop(TSkinUIStyle style, TSkinFileTheme* theme) {
  DemoWindow demo(style, theme, QRect(40, 40, 380, 200));
  demo.skin->SetFormMaximized(true);
  QApplication::processEvents();
  const QImage shown = demo.Picture();
  return shown.copy(0, 0, shown.width(), kMaximizedRows);
}

QLabel* PictureLabel(const QImage& picture) {
  auto* label = new QLabel;
  label->setPixmap(QPixmap::fromImage(picture));
  return label;
}

const GalleryRegistration kWindow{"Window: frame, title bar, menus; restored and maximized", 5,
                                  [](TSkinUIStyle style, TSkinFileTheme* theme) -> QWidget* {
                                    auto* box = new QWidget;
                                    auto* column = new QVBoxLayout(box);
                                    column->addWidget(PictureLabel(WithMenuDown(style, theme)));
                                    column->addWidget(PictureLabel(MaximizedTop(style, theme)));
                                    return box;
                                  }};

}  // namespace
