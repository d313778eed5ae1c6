#include "skin/base/platform_p.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QRegion>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>
#include <QVariantAnimation>
#include <QWidget>

bool SkinGetScrollBarInfo(const QAbstractScrollArea* area, Qt::Orientation orientation,
                          SkinScrollBarInfo* info) {
  if (area == nullptr || info == nullptr) return false;
  const QScrollBar* bar = orientation == Qt::Horizontal ? area->horizontalScrollBar()
                                                        : area->verticalScrollBar();
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
  info->item = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
  info->button = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
  info->list = combo->view() != nullptr ? combo->view()->window() : nullptr;
  info->droppedDown = info->list != nullptr && info->list != combo->window() && info->list->isVisible();
  return true;
}

namespace {

// The part of a w × h window shown at `visible` (0..1), anchored at the edge the flags say.
QRegion VisiblePart(const QSize& size, std::uint32_t flags, bool showing, double visible) {
  QRect part(QPoint(0, 0), size);
  const auto along = [visible](int length) { return static_cast<int>(length * visible); };
  // A show grows away from the edge it starts at; a hide withdraws toward the edge it moves to.
  const auto anchorAtEnd = [showing](bool negative) { return negative == showing; };
  if (flags & (kSkinAnimateHorPositive | kSkinAnimateHorNegative)) {
    const int w = along(size.width());
    const bool end = anchorAtEnd(flags & kSkinAnimateHorNegative);
    part.setLeft(end ? size.width() - w : 0);
    part.setWidth(w);
  }
  if (flags & (kSkinAnimateVerPositive | kSkinAnimateVerNegative)) {
    const int h = along(size.height());
    const bool end = anchorAtEnd(flags & kSkinAnimateVerNegative);
    part.setTop(end ? size.height() - h : 0);
    part.setHeight(h);
  }
  // An empty region would mean "no mask", i.e. the whole window.
  if (part.isEmpty()) return QRegion(-1, -1, 1, 1);
  return QRegion(part);
}

}  // namespace

bool SkinAnimateWindow(QWidget* window, int timeMs, std::uint32_t flags) {
  constexpr std::uint32_t kDirections = kSkinAnimateHorPositive | kSkinAnimateHorNegative |
                                        kSkinAnimateVerPositive | kSkinAnimateVerNegative;
  if (window == nullptr || timeMs <= 0 || (flags & kDirections) == 0) return false;
  const QString name = QStringLiteral("SkinAnimateWindow");
  if (auto* running = window->findChild<QVariantAnimation*>(name, Qt::FindDirectChildrenOnly)) {
    running->setCurrentTime(running->duration());  // finish it first
  }
  const bool showing = !(flags & kSkinAnimateHide);
  auto* animation = new QVariantAnimation(window);
  animation->setObjectName(name);
  animation->setDuration(timeMs);
  animation->setStartValue(0.0);
  animation->setEndValue(1.0);
  QObject::connect(animation, &QVariantAnimation::valueChanged, window,
                   [window, flags, showing](const QVariant& progress) {
                     const double p = progress.toDouble();
                     window->setMask(VisiblePart(window->size(), flags, showing, showing ? p : 1 - p));
                   });
  QObject::connect(animation, &QVariantAnimation::finished, window, [window, animation, showing] {
    animation->setObjectName(QString());  // it lingers until deleted; not the running one
    if (!showing) window->hide();
    window->clearMask();
  });
  window->setMask(VisiblePart(window->size(), flags, showing, showing ? 0.0 : 1.0));
  if (showing && !window->isVisible()) window->show();
  animation->start(QAbstractAnimation::DeleteWhenStopped);
  return true;
}
