#include "skin/window/menubase.h"

#include <QActionEvent>
#include <QApplication>
#include <QPointer>

#include "skin/look/builtinlooks.h"
#include "skin/window/menudraw_p.h"
#include "skin/window/menustyle_p.h"

namespace {

constexpr int kBarWidth = 26;
constexpr TColor kPlainSeparatorColor = 0x848284;

// Every menu of the tree: the menu and, depth first, the submenus of its items.
void CollectMenus(QMenu* menu, QList<QMenu*>& menus) {
  if (menu == nullptr || menus.contains(menu)) return;
  menus.append(menu);
  for (const QAction* action : menu->actions()) CollectMenus(action->menu(), menus);
}

}  // namespace

SkinMenuBase::SkinMenuBase(QWidget* owner, bool mainMenu)
    : QMenu(owner),
      look_(this, [this] { LookChanged(); }),
      draw_(std::make_unique<SkinMenuLook>()),
      style_(new SkinMenuStyle(draw_.get(), &flat_, this)),
      mainMenu_(mainMenu) {
  Skin(this);
  look_.Start(owner);
}

SkinMenuBase::~SkinMenuBase() = default;

int SkinMenuBase::MenuItemHeight() const { return draw_->itemHeight; }
int SkinMenuBase::SeparatorHeight() const { return draw_->separatorHeight; }
int SkinMenuBase::BarWidth() const { return draw_->barWidth; }
QFont SkinMenuBase::ItemFont() const { return draw_->font; }

void SkinMenuBase::LookChanged() {
  const bool macOS = MacOSLook();
  draw_->pictures = macOS;
  draw_->barWidth = kBarWidth;
  draw_->itemHeight = macOS ? 20 : 21;
  draw_->separatorHeight = macOS ? 12 : 5;
  separatorColor_ = macOS ? clBlack : kPlainSeparatorColor;
  barColor_ = look_.Color(SkinEntry::MenuBarColor);
  color_ = look_.Color(SkinEntry::MenuBackgroundColor);
  fontColor_ = look_.Color(SkinEntry::MenuFontColor);
  selectedBorderColor_ = look_.Color(SkinEntry::MenuSelectedBorderColor);
  selectedColor_ = look_.Color(SkinEntry::MenuSelectedBackgroundColor);
  selectedFontColor_ = look_.Color(SkinEntry::MenuSelectedFontColor);
  draw_->separatorColor = ToQColor(separatorColor_);
  draw_->barColor = ToQColor(barColor_);
  draw_->color = ToQColor(color_);
  draw_->fontColor = ToQColor(fontColor_);
  draw_->selectedBorderColor = ToQColor(selectedBorderColor_);
  draw_->selectedColor = ToQColor(selectedColor_);
  draw_->selectedFontColor = ToQColor(selectedFontColor_);
  draw_->edgeColor = ToQColor(look_.Color(SkinEntry::FormBackgroundColor));
  const QImage menuBar = LoadSkinResource(QStringLiteral("MACOS_MENU_BAR"));
  draw_->panelColor = macOS && !menuBar.isNull() ? QColor(menuBar.pixel(0, 0)) : draw_->color;
  ApplyFont();
}

void SkinMenuBase::ApplyFont() {
  if (useSystemFont_) {
    draw_->font = Menu_GetSystemFont();
  } else {
    draw_->font = QFont(fontName_, fontSize_);
  }
  Restyle();
}

void SkinMenuBase::Restyle() {
  QList<QMenu*> menus;
  CollectMenus(this, menus);
  for (QMenu* menu : menus) {
    menu->setFont(draw_->font);
    // QMenu measures its items again on a style change.
    QEvent restyled(QEvent::StyleChange);
    QApplication::sendEvent(menu, &restyled);
    menu->update();
  }
  emit OnLookChanged();
}

// A menu in the style has its tree skinned already, and its filter skins whatever is added to it
// later: an item's change costs nothing.
void SkinMenuBase::Skin(QMenu* menu) {
  if (menu == nullptr || menu->style() == style_) return;
  menu->setStyle(style_);
  menu->setFont(draw_->font);
  if (menu != this) menu->installEventFilter(this);
  for (const QAction* action : menu->actions()) Skin(action->menu());
}

void SkinMenuBase::SkinSubmenuOf(const QAction* action) {
  if (action != nullptr && action->menu() != nullptr) Skin(action->menu());
}

void SkinMenuBase::actionEvent(QActionEvent* e) {
  QMenu::actionEvent(e);
  if (e->type() == QEvent::ActionAdded || e->type() == QEvent::ActionChanged)
    SkinSubmenuOf(e->action());
}

bool SkinMenuBase::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::ActionAdded || e->type() == QEvent::ActionChanged) {
    SkinSubmenuOf(static_cast<QActionEvent*>(e)->action());
  }
  return QMenu::eventFilter(watched, e);
}

void SkinMenuBase::SetHeight(int value) {
  if (value == draw_->itemHeight || (MacOSLook() && !mainMenu_)) return;
  draw_->itemHeight = value;
  Restyle();
}

void SkinMenuBase::SetSeparatorHeight(int value) {
  if (value == draw_->separatorHeight || MacOSLook()) return;
  draw_->separatorHeight = value;
  Restyle();
}

void SkinMenuBase::SetBarWidth(int value) {
  if (value == draw_->barWidth) return;
  draw_->barWidth = value;
  Restyle();
}

void SkinMenuBase::StoreColor(TColor& field, QColor SkinMenuLook::*drawn, TColor value) {
  if (value == field) return;
  field = value;
  if (drawn != nullptr) (*draw_).*drawn = ToQColor(value);
  Restyle();
}

void SkinMenuBase::SetBarColor(TColor value) {
  StoreColor(barColor_, &SkinMenuLook::barColor, value);
}
void SkinMenuBase::SetColor(TColor value) { StoreColor(color_, &SkinMenuLook::color, value); }
void SkinMenuBase::SetSeparatorColor(TColor value) {
  StoreColor(separatorColor_, &SkinMenuLook::separatorColor, value);
}
void SkinMenuBase::SetSelectedBorderColor(TColor value) {
  StoreColor(selectedBorderColor_, &SkinMenuLook::selectedBorderColor, value);
}
void SkinMenuBase::SetSelectedColor(TColor value) {
  StoreColor(selectedColor_, &SkinMenuLook::selectedColor, value);
}
void SkinMenuBase::SetSelectedFontColor(TColor value) {
  StoreColor(selectedFontColor_, &SkinMenuLook::selectedFontColor, value);
}
void SkinMenuBase::SetFontColor(TColor value) {
  StoreColor(fontColor_, &SkinMenuLook::fontColor, value);
}

void SkinMenuBase::SetBorderColor(TColor value) { borderColor_ = value; }

void SkinMenuBase::SetFlatMenu(bool value) {
  if (value == flat_) return;
  flat_ = value;
  Restyle();
}

void SkinMenuBase::SetFontName(const QString& value) {
  if (value == fontName_) return;
  fontName_ = value;
  ApplyFont();
}

void SkinMenuBase::SetFontSize(int value) {
  if (value == fontSize_) return;
  fontSize_ = value;
  ApplyFont();
}

void SkinMenuBase::SetFontCharset(int value) { fontCharset_ = value; }

void SkinMenuBase::SetUseSystemFont(bool value) {
  if (value == useSystemFont_) return;
  useSystemFont_ = value;
  ApplyFont();
}
