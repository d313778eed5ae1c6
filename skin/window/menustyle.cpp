#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionMenuItem>

#include "skin/window/menustyle_p.h"

namespace {

constexpr int kFlatBorderWidth = 3;
const QColor kPlainBorder(0x80, 0x80, 0x80);  // the menu window's line without FlatMenu
constexpr int kItemPictureSize = 16;

}  // namespace

SkinMenuItem SkinMenuItemOf(const QStyleOptionMenuItem& option) {
  SkinMenuItem item;
  const qsizetype tab = option.text.indexOf(u'\t');
  item.caption = tab < 0 ? option.text : option.text.left(tab);
  item.shortcut = tab < 0 ? QString() : option.text.mid(tab + 1);
  item.separator = option.menuItemType == QStyleOptionMenuItem::Separator;
  item.enabled = (option.state & QStyle::State_Enabled) != 0;
  item.selected = (option.state & QStyle::State_Selected) != 0;
  item.checked = option.checkType != QStyleOptionMenuItem::NotCheckable && option.checked;
  item.isDefault = option.menuItemType == QStyleOptionMenuItem::DefaultItem;
  item.hasSubmenu = option.menuItemType == QStyleOptionMenuItem::SubMenu;
  if (!option.icon.isNull())
    item.image = option.icon.pixmap(kItemPictureSize, kItemPictureSize).toImage();
  item.rightToLeft = option.direction == Qt::RightToLeft;
  return item;
}

SkinMenuStyle::SkinMenuStyle(const SkinMenuLook* look, const bool* flat, QObject* parent)
    : look_(look), flat_(flat) {
  setParent(parent);
}

QSize SkinMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                      const QSize& size, const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (type != CT_MenuItem || item == nullptr)
    return QProxyStyle::sizeFromContents(type, option, size, widget);
  const SkinMenuItem shown = SkinMenuItemOf(*item);
  QSize measured = MeasureMenuItem(*look_, shown);
  // QMenu adds a column as wide as its widest shortcut itself.
  measured.rwidth() -= QFontMetrics(look_->font).horizontalAdvance(shown.shortcut);
  return measured;
}

void SkinMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (element == CE_MenuItem && item != nullptr) {
    DrawMenuItem(*painter, option->rect, *look_, SkinMenuItemOf(*item));
  } else if (element == CE_MenuEmptyArea) {
    Menu_DrawBackGround(*painter, option->rect, look_->panelColor);
  } else {
    QProxyStyle::drawControl(element, option, painter, widget);
  }
}

void SkinMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
  if (element == PE_PanelMenu) {
    Menu_DrawBackGround(*painter, option->rect, look_->panelColor);
  } else if (element == PE_FrameMenu && *flat_) {
    Menu_DrawWindowBorder(*painter, option->rect, Qt::black, look_->edgeColor);
  } else if (element == PE_FrameMenu) {
    Menu_DrawBorder(*painter, option->rect, kPlainBorder);
  } else {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

int SkinMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                               const QWidget* widget) const {
  switch (metric) {
    case PM_MenuHMargin:
    case PM_MenuVMargin:
      return 0;
    case PM_MenuPanelWidth:
      return *flat_ ? kFlatBorderWidth : 1;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

int SkinMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
  // Keys and the pointer may rest on a disabled item; it is drawn as if not selected.
  if (hint == SH_Menu_AllowActiveAndDisabled) return 1;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}
