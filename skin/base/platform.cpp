#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>
#include <QWidget>

#include "skin/base/platform_p.h"

bool SkinGetScrollBarInfo(const QAbstractScrollArea* area, Qt::Orientation orientation,
                          SkinScrollBarInfo* info) {
  if (area == nullptr || info == nullptr) return false;
  const QScrollBar* bar =
      orientation == Qt::Horizontal ? area->horizontalScrollBar() : area->verticalScrollBar();
  if (bar == nullptr) return false;
  *info = SkinScrollBarInfo{};
  info->bar = QRect(bar->mapTo(area, QPoint(0, 0)), bar->size());
  info->minimum = bar->minimum();
  info->maximum = bar->maximum();
  info->pageStep = bar->pageStep();
  info->value = bar->value();
  // A disabled area leaves its bars' own state alone, as the native controls do.
  if (!bar->isVisibleTo(area)) {
    info->state = kSkinScrollBarInvisible;
  } else if (!bar->isEnabledTo(area) || bar->maximum() <= bar->minimum()) {
    info->state = kSkinScrollBarUnavailable;
  }

  QStyleOptionSlider option;
  option.initFrom(bar);
  option.subControls = QStyle::SC_All;
  option.orientation = bar->orientation();
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  option.upsideDown = bar->invertedAppearance();
  if (bar->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
  const QRect thumb =
      bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
  const bool horizontal = bar->orientation() == Qt::Horizontal;
  info->thumbTop = horizontal ? thumb.left() : thumb.top();
  info->thumbBottom = horizontal ? thumb.left() + thumb.width() : thumb.top() + thumb.height();
  return true;
}

bool SkinGetComboBoxInfo(const QComboBox* combo, SkinComboBoxInfo* info) {
  if (combo == nullptr || info == nullptr) return false;
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = combo->isEditable();
  option.frame = combo->hasFrame();
  option.subControls = QStyle::SC_All;
  const QStyle* style = combo->style();
  info->item =
      style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
  info->button =
      style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
  info->list = combo->view() != nullptr ? combo->view()->window() : nullptr;
  info->droppedDown =
      info->list != nullptr && info->list != combo->window() && info->list->isVisible();
  return true;
}
