#include "skin/window/menubar.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "skin/look/thememarkers_p.h"
#include "skin/window/menubarbutton.h"
#include "skin/window/menubase.h"

namespace {

const QColor kDisabledText(0x80, 0x80, 0x80);
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;

void CollectMenus(QMenu* menu, QList<QPointer<QObject>>& menus) {
  if (menu == nullptr || menus.contains(menu)) return;
  menus.append(menu);
  for (const QAction* action : menu->actions()) CollectMenus(action->menu(), menus);
}

}  // namespace

TSkinMenuBar::TSkinMenuBar(QWidget* owner) : TSkinWidget(owner) {
  resize(200, buttonHeight_);
  StartLook(owner);
}

TSkinMenuBar::~TSkinMenuBar() {
  for (const QPointer<QObject>& menu : watched_) {
    if (menu != nullptr) menu->removeEventFilter(this);
  }
}

void TSkinMenuBar::SetMenu(QMenu* menu) {
  if (menu == menu_) return;
  if (droppedMenu_ != nullptr) droppedMenu_->hide();
  disconnect(menuLook_);
  menu_ = menu;
  if (auto* skinned = qobject_cast<SkinMenuBase*>(menu)) {
    menuLook_ = connect(skinned, &SkinMenuBase::OnLookChanged, this, &TSkinMenuBar::FollowMenuLook);
    FollowMenuLook();
  }
  UpdateMenu();
}

void TSkinMenuBar::FollowMenuLook() {
  const auto* skinned = qobject_cast<SkinMenuBase*>(menu_.data());
  if (skinned == nullptr) return;
  SetLook(skinned->UIStyle(), skinned->FileTheme());
  RepaintMenuBar();
}

void TSkinMenuBar::LookChanged() {
  macOS_ = UIStyle() == TSkinUIStyle::MacOS;
  barPicture_ = LoadSkinResource(QStringLiteral("MACOS_MENU_BAR"));
  selectPicture_ = LoadSkinResource(QStringLiteral("MACOS_MENU_SELECT"));
  selectedBorder_ = ToQColor(Look().Color(SkinEntry::MenuSelectedBorderColor));
  selectedFill_ = ToQColor(Look().Color(SkinEntry::MenuSelectedBackgroundColor));
  selectedText_ = ToQColor(Look().Color(SkinEntry::MenuSelectedFontColor));
  const TColor marked =
      Look().UsesFileTheme()
          ? SkinMarkerMeaningOf(Look().Color(SkinEntry::ControlFontColor)).menuBarText
          : kSkinAbsentColor;
  text_ = ToQColor(SkinThemeColorOr(marked, Look().Color(SkinEntry::MenuFontColor)));
  for (TSkinMenuBarButton* button : buttons_) button->update();
}

void TSkinMenuBar::SetButtonHeight(int value) {
  if (value == buttonHeight_) return;
  buttonHeight_ = value;
  for (TSkinMenuBarButton* button : buttons_) button->UpdateFromItem();
  Arrange(width(), true);
  updateGeometry();
}

void TSkinMenuBar::UpdateMenu() {
  if (droppedMenu_ != nullptr) droppedMenu_->hide();
  qDeleteAll(buttons_);
  buttons_.clear();
  if (menu_ != nullptr) {
    for (QAction* item : menu_->actions()) {
      if (item->isSeparator()) continue;
      buttons_.append(new TSkinMenuBarButton(this, item));
    }
  }
  WatchMenus();
  RepaintMenuBar();
}

void TSkinMenuBar::UpdateTopMenu() {
  for (TSkinMenuBarButton* button : buttons_) button->UpdateFromItem();
  Arrange(width(), true);
  updateGeometry();
}

void TSkinMenuBar::RepaintMenuBar() {
  if (const auto* skinned = qobject_cast<SkinMenuBase*>(menu_.data())) setFont(skinned->ItemFont());
  UpdateTopMenu();
  update();
}

void TSkinMenuBar::WatchMenus() {
  for (const QPointer<QObject>& menu : watched_) {
    if (menu != nullptr) menu->removeEventFilter(this);
  }
  watched_.clear();
  CollectMenus(menu_, watched_);
  for (const QPointer<QObject>& menu : watched_) menu->installEventFilter(this);
}

int TSkinMenuBar::Arrange(int width, bool place) const {
  int x = 0, y = 0;
  for (TSkinMenuBarButton* button : buttons_) {
    if (button->isHidden()) continue;
    const int w = button->width();
    if (x > 0 && x + w > width) {
      x = 0;
      y += buttonHeight_;
    }
    if (place) button->setGeometry(x, y, w, buttonHeight_);
    x += w;
  }
  return y + buttonHeight_;
}

int TSkinMenuBar::heightForWidth(int width) const { return Arrange(width, false); }

QSize TSkinMenuBar::sizeHint() const { return QSize(width(), heightForWidth(width())); }

void TSkinMenuBar::resizeEvent(QResizeEvent* e) {
  TSkinWidget::resizeEvent(e);
  Arrange(width(), true);
}

void TSkinMenuBar::DropDown(TSkinMenuBarButton* button) {
  if (button == nullptr || !button->isEnabled() || button->MenuItem() == nullptr) return;
  if (droppedMenu_ != nullptr) droppedMenu_->hide();
  QMenu* submenu = button->MenuItem()->menu();
  if (submenu == nullptr) {
    button->MenuItem()->trigger();
    return;
  }
  dropped_ = button;
  droppedMenu_ = submenu;
  submenu->installEventFilter(this);
  connect(submenu, &QMenu::aboutToHide, this, &TSkinMenuBar::MenuClosed, Qt::UniqueConnection);
  button->update();
  submenu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void TSkinMenuBar::MenuClosed() {
  const QPointer<TSkinMenuBarButton> was = dropped_;
  dropped_ = nullptr;
  droppedMenu_ = nullptr;
  if (was != nullptr) was->update();
}

TSkinMenuBarButton* TSkinMenuBar::ButtonAtGlobal(const QPoint& global) const {
  for (TSkinMenuBarButton* button : buttons_) {
    if (button->isVisible() && button->rect().contains(button->mapFromGlobal(global)))
      return button;
  }
  return nullptr;
}

void TSkinMenuBar::Step(int by) {
  QList<TSkinMenuBarButton*> usable;
  for (TSkinMenuBarButton* button : buttons_) {
    if (button->isVisible() && button->isEnabled()) usable.append(button);
  }
  const qsizetype at = usable.indexOf(dropped_.data());
  if (at < 0 || usable.size() < 2) return;
  DropDown(usable[(at + by + usable.size()) % usable.size()]);
}

bool TSkinMenuBar::DroppedMenuEvent(QEvent* e) {
  switch (e->type()) {
    case QEvent::MouseMove: {
      TSkinMenuBarButton* over =
          ButtonAtGlobal(static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
      if (over == nullptr || over == dropped_ || !over->isEnabled()) return false;
      DropDown(over);
      return true;
    }
    case QEvent::MouseButtonPress: {
      TSkinMenuBarButton* over =
          ButtonAtGlobal(static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
      if (over == nullptr) return false;
      if (over == dropped_) {
        droppedMenu_->hide();
      } else {
        DropDown(over);
      }
      return true;
    }
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(e)->key();
      const QAction* active = droppedMenu_->activeAction();
      if (key == Qt::Key_Left ||
          (key == Qt::Key_Right && (active == nullptr || active->menu() == nullptr))) {
        Step(key == Qt::Key_Left ? -1 : 1);
        return true;
      }
      return false;
    }
    default:
      return false;
  }
}

bool TSkinMenuBar::eventFilter(QObject* watched, QEvent* e) {
  // A menu being destroyed is a menu no more: nothing of it concerns the bar.
  if (qobject_cast<QMenu*>(watched) == nullptr) return false;
  if (watched == droppedMenu_ && DroppedMenuEvent(e)) return true;
  const QEvent::Type type = e->type();
  if (type != QEvent::ActionAdded && type != QEvent::ActionRemoved && type != QEvent::ActionChanged)
    return false;
  if (watched == menu_) {
    if (type == QEvent::ActionChanged) {
      UpdateTopMenu();
    } else {
      UpdateMenu();
    }
  }
  WatchMenus();
  emit OnMenuChanged();
  return false;
}

void TSkinMenuBar::DrawMenuBar(QPainter& painter, const QRect& rect) const {
  if (macOS_ && !barPicture_.isNull()) painter.drawImage(rect, barPicture_);
}

void TSkinMenuBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), FaceColor());
  DrawMenuBar(painter, rect());
}

void TSkinMenuBar::DrawButton(QPainter& painter, const TSkinMenuBarButton& button) const {
  QRect r = button.rect();
  const bool enabled = button.isEnabled();
  const bool pressed = enabled && (&button == dropped_.data() || button.IsPressed());
  const bool hot = enabled && (pressed || button.IsHovered());
  painter.setFont(button.font());
  if (hot && macOS_) {
    painter.drawImage(r, selectPicture_);
    painter.setPen(selectedText_);
    painter.drawText(r.adjusted(0, 0, 0, 2), kCaptionFlags, button.Caption());
    return;
  }
  if (hot) {
    if (pressed) r.setRight(r.right() - 2);
    painter.fillRect(r, selectedFill_);
    painter.setPen(selectedBorder_);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    if (pressed) r.setLeft(r.left() + 2);
    r.setTop(r.top() + 2);
    painter.setPen(selectedText_);
  } else {
    r.setTop(r.top() + 2);
    painter.setPen(enabled ? text_ : kDisabledText);
  }
  painter.drawText(r, kCaptionFlags, button.Caption());
}
