#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <cstdlib>

#include "skin/base/platform_p.h"
#include "skin/inputs/attachedbars_p.h"
#include "skin/look/stylechoice.h"

namespace {

// The application's style with scroll bars of a given thickness.
class ThicknessStyle : public QProxyStyle {
 public:
  explicit ThicknessStyle(int thickness)
      : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), thickness_(thickness) {}

  int Thickness() const { return thickness_; }
  void SetThickness(int value) { thickness_ = value; }

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_ScrollBarExtent) return thickness_;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

 private:
  int thickness_;
};

constexpr Qt::Orientation kOrientations[] = {Qt::Horizontal, Qt::Vertical};

}  // namespace

SkinAttachedBars::SkinAttachedBars(QAbstractScrollArea* area, Owner owner)
    : QObject(area), area_(area), owner_(owner) {
  area->installEventFilter(this);
  for (Qt::Orientation orientation : kOrientations) {
    QScrollBar* native = Native(orientation);
    native->installEventFilter(this);  // the area shows and hides it as the content needs
    connect(native, &QAbstractSlider::rangeChanged, this, &SkinAttachedBars::Copy);
    connect(native, &QAbstractSlider::valueChanged, this, &SkinAttachedBars::Copy);
  }
}

QScrollBar* SkinAttachedBars::Native(Qt::Orientation orientation) const {
  return orientation == Qt::Horizontal ? area_->horizontalScrollBar() : area_->verticalScrollBar();
}

void SkinAttachedBars::Attach(Qt::Orientation orientation, TSkinScrollBar* bar) {
  QPointer<TSkinScrollBar>& slot = bars_[Index(orientation)];
  if (bar == slot) return;
  if (TSkinScrollBar* released = slot) {
    disconnect(released, nullptr, this, nullptr);
    released->removeEventFilter(this);
    released->SetLineButton(0);
    released->SetMax(100);
    released->setEnabled(true);
  }
  slot = bar;
  if (bar != nullptr) {
    if (bar->parentWidget() != area_->parentWidget()) bar->setParent(area_->parentWidget());
    bar->SetOrientation(orientation == Qt::Vertical ? skinVertical : skinHorizontal);
    connect(bar, &TSkinScrollBar::OnChange, this, [this, orientation] { Drive(orientation); });
    // The bar is no TSkinScrollBar any more while it is destroyed: the slot is cleared unread.
    connect(bar, &QObject::destroyed, this, [this, orientation] {
      bars_[Index(orientation)] = nullptr;
      MatchThickness(orientation);
      emit BarsChanged();
    });
    bar->installEventFilter(this);  // its thickness follows its look
    bar->raise();
  }
  MatchThickness(orientation);
  emit BarsChanged();
  Place();
}

void SkinAttachedBars::ApplyLook(TSkinUIStyle style, TSkinFileTheme* theme) {
  for (const QPointer<TSkinScrollBar>& bar : bars_) {
    if (bar != nullptr) SkinApplyLook(bar, style, theme);
  }
}

bool SkinAttachedBars::RightToLeft() const { return area_->layoutDirection() == Qt::RightToLeft; }

void SkinAttachedBars::Place() {
  const QRect a = area_->geometry();
  TSkinScrollBar* h = bars_[Index(Qt::Horizontal)];
  TSkinScrollBar* v = bars_[Index(Qt::Vertical)];
  if (owner_ == Owner::ListBox && v != nullptr) {
    int left = a.left();
    if (a.width() >= v->width())
      left = RightToLeft() ? a.left() + 2 : a.left() + a.width() - v->width() - 2;
    v->setGeometry(left, a.top() + 1, v->width(), a.height() - 2);
  }
  if (owner_ == Owner::Memo) {
    const int vw = v != nullptr ? v->width() : 0;
    if (h != nullptr) {
      int left = a.left() + 1;
      int width = v != nullptr ? a.width() - vw - 1 : a.width() - 1;
      if (RightToLeft()) {
        left = v != nullptr ? a.left() + vw + 1 : a.left() + 1;
        width = a.width() - vw - 2;
      }
      h->setGeometry(left, a.top() + a.height() - h->height() - 2, width, h->height());
      h->setVisible(!area_->isHidden() && a.height() >= h->height());
    }
    if (v != nullptr) {
      const int left = RightToLeft() ? a.left() + 2 : a.left() + a.width() - v->width() - 2;
      const int below = h != nullptr ? h->height() : 0;
      v->setGeometry(left, a.top() + 1, v->width(), a.height() - below - 2);
      v->setVisible(!area_->isHidden() && a.width() >= v->width());
    }
  }
  Copy();
}

void SkinAttachedBars::Copy() {
  if (updating_) return;
  updating_ = true;
  for (Qt::Orientation orientation : kOrientations) {
    if (bars_[Index(orientation)] != nullptr) CopyOne(orientation);
  }
  updating_ = false;
}

void SkinAttachedBars::CopyOne(Qt::Orientation orientation) {
  TSkinScrollBar* bar = bars_[Index(orientation)];
  SkinScrollBarInfo info;
  const bool known = SkinGetScrollBarInfo(area_, orientation, &info);
  const bool active =
      known && info.state != kSkinScrollBarInvisible && info.state != kSkinScrollBarUnavailable;
  const int thumb = std::abs(info.thumbBottom - info.thumbTop);
  if (owner_ == Owner::ListBox) {
    if (active && area_->isEnabled()) {
      bar->SetLineButton(thumb);
      bar->setEnabled(true);
      bar->setVisible(!area_->isHidden());
    } else if (active) {
      bar->setEnabled(false);
    } else {
      bar->SetLineButton(0);
      bar->setEnabled(false);
      bar->hide();
    }
  } else {
    if (!known) bar->hide();
    const bool live = active && area_->isEnabled();
    bar->SetLineButton(live ? thumb : 0);
    if (live && orientation == Qt::Horizontal) bar->SetSmallChange(3 * bar->PageSize());
    bar->setEnabled(live);
    bar->SetSliderVisible(live);
  }
  bar->SetMax(info.maximum);
  bar->SetMin(info.minimum);
  bar->SetPosition(info.value);
}

void SkinAttachedBars::Drive(Qt::Orientation orientation) {
  if (updating_) return;
  Native(orientation)->setValue(bars_[Index(orientation)]->Position());
  area_->viewport()->update();
  Copy();
}

void SkinAttachedBars::MatchThickness(Qt::Orientation orientation) {
  QScrollBar* native = Native(orientation);
  TSkinScrollBar* bar = bars_[Index(orientation)];
  QPointer<QProxyStyle>& style = thickness_[Index(orientation)];
  if (bar == nullptr) {
    if (style.isNull()) return;
    native->setStyle(nullptr);
    delete style;
  } else {
    const int thickness = orientation == Qt::Vertical ? bar->width() : bar->height();
    if (style.isNull()) {
      style = new ThicknessStyle(thickness);
      style->setParent(this);
      native->setStyle(style);
    } else if (static_cast<ThicknessStyle*>(style.data())->Thickness() == thickness) {
      return;
    } else {
      static_cast<ThicknessStyle*>(style.data())->SetThickness(thickness);
      native->updateGeometry();
    }
  }
  QEvent relayout(QEvent::LayoutRequest);  // the area lays out its bars and viewport again
  QApplication::sendEvent(area_, &relayout);
}

bool SkinAttachedBars::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == area_) {
    switch (type) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::LayoutDirectionChange:
        Place();
        break;
      case QEvent::Hide:
        for (const QPointer<TSkinScrollBar>& bar : bars_) {
          if (bar != nullptr) bar->hide();
        }
        break;
      case QEvent::EnabledChange:
        Copy();
        break;
      case QEvent::ParentChange:
        for (const QPointer<TSkinScrollBar>& bar : bars_) {
          if (bar != nullptr) bar->setParent(area_->parentWidget());
        }
        Place();
        break;
      case QEvent::ZOrderChange:
        for (const QPointer<TSkinScrollBar>& bar : bars_) {
          if (bar != nullptr) bar->raise();
        }
        break;
      default:
        break;
    }
  } else if (type == QEvent::Show || type == QEvent::Hide) {
    if (watched == Native(Qt::Horizontal) || watched == Native(Qt::Vertical)) Copy();
  } else if (type == QEvent::Resize) {
    for (Qt::Orientation orientation : kOrientations) {
      if (watched == bars_[Index(orientation)]) MatchThickness(orientation);
    }
  }
  return false;
}
