#pragma once
// TSkinTabControlTopPanel: the tab strip along one edge of a tabbed container (TSkinTab). It
// draws one tab per caption from the look's tab pictures over a line that closes the body's
// frame, the active tab one pixel nearer the body. Tabs that do not fit are cut at two scroll
// buttons, which scroll the row by one tab. Choosing a tab scrolls it into full view; at a new
// width the row starts from the first tab again, as far as the active tab allows.
//
// A click on a tab asks the container's OnChanging first; a change made by code never asks.
// Either way the container's TabActive reports the new index. The strip paints nothing
// between and beside its tabs, so the container's parent shows there.
#include <QImage>
#include <QStringList>
#include <array>
#include <vector>

#include "skin/base/tabposition.h"
#include "skin/base/widget.h"
#include "skin/containers/tablayout_p.h"

class TSkinTab;

class TSkinTabControlTopPanel : public TSkinWidget {
  Q_OBJECT
  Q_PROPERTY(QStringList Tabs READ Tabs WRITE SetTabs)
  Q_PROPERTY(int TabIndex READ TabIndex WRITE SetTabIndex)
  Q_PROPERTY(int LeftMargin READ LeftMargin WRITE SetLeftMargin)
  Q_PROPERTY(
      SkinTabPositionEnums::TSkinTabPosition TabPosition READ TabPosition WRITE SetTabPosition)

 public:
  // Made by its container, which hands it its look.
  explicit TSkinTabControlTopPanel(TSkinTab* owner);

  // The captions; '&' underlines the next letter. Without captions TabIndex is -1.
  const QStringList& Tabs() const { return tabs_; }
  void SetTabs(const QStringList& tabs);
  // The active tab; -1 for none. Indexes outside -1..count-1 are ignored, and so is -1 where
  // the container needs an active tab.
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index);
  // x of the first tab.
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int value);
  TSkinTabPosition TabPosition() const { return position_; }
  void SetTabPosition(TSkinTabPosition value);
  // A hidden tab takes no room and cannot be chosen with the mouse.
  bool TabVisible(int index) const;
  void SetTabVisible(int index, bool visible);

  // Active tab picture's height plus the line's.
  int StripHeight() const { return activeTab_.height() + line_.height(); }

 protected:
  void LookChanged() override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent*) override {}  // taken here: the container counts clicks
  void leaveEvent(QEvent* event) override;

 private:
  enum ScrollButton { kNoButton = 0, kPrevious = -1, kNext = 1 };

  void Remeasure();
  void PrepareLine();
  TabStripLayout Layout() const { return LayoutTabStrip(measure_, firstShown_); }
  bool ButtonsShown(const TabStripLayout& layout) const {
    return layout.overflow || firstShown_ > 0;
  }
  int ButtonTop() const;
  QRect NextButtonRect() const;
  ScrollButton ButtonAt(const QPoint& point) const;
  int TabAt(const QPoint& point) const;
  // The one path by which the active tab changes; clicked says the user chose it.
  void ChangeTabIndex(int index, bool clicked);
  // Scrolls from `from` visible tabs on until the active tab is whole.
  void RevealActiveTab(int from);
  void Scroll(int by);
  void SetHotButton(ScrollButton button);
  void PaintTab(QPainter& canvas, const TabSpan& span) const;
  void PaintButtons(QPainter& canvas) const;

  TSkinTab* owner_;
  QStringList tabs_{QStringLiteral("Tab1")};
  std::vector<bool> visible_{true};
  int tabIndex_ = 0;
  int leftMargin_ = 10;
  int firstShown_ = 0;  // visible tabs scrolled off to the left
  ScrollButton hotButton_ = kNoButton;
  TSkinTabPosition position_ = skinTop;
  TabStripMeasure measure_;
  // Prepared pictures, turned half round while the strip is at the bottom.
  QImage activeTab_;
  QImage inactiveTab_;
  QImage line_;
  QImage stretchedLine_;                 // line_ at the strip's width less its side lines
  std::array<QImage, 4> scrollButtons_;  // next, next hot, previous, previous hot; keyed
};
