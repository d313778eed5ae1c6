#pragma once
// TSkinTab: a tabbed container, the base of TSkinTabControl and TSkinPageControl. A tab strip
// (TSkinTabControlTopPanel) runs along its top or bottom edge; the rest is the body, filled with
// Color and framed in BorderColor on the three sides away from the strip (the strip's line
// closes the fourth). Children get the body less 3 pixels on every side (contentsRect), and
// every new look is handed down to them.
//
// A new look sets BorderColor and Color from the look's control colours; WinXP bodies are white.
#include <QFont>
#include <QStringList>

#include "skin/base/tabposition.h"
#include "skin/base/widget.h"

class TSkinTabControlTopPanel;

class TSkinTab : public TSkinWidget {
  Q_OBJECT
  Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)
  Q_PROPERTY(int LeftMargin READ LeftMargin WRITE SetLeftMargin)
  Q_PROPERTY(
      SkinTabPositionEnums::TSkinTabPosition TabPosition READ TabPosition WRITE SetTabPosition)

 public:
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  // The captions' font, the strip's own.
  QFont Font() const;
  void SetFont(const QFont& value);
  int LeftMargin() const;
  void SetLeftMargin(int value);
  TSkinTabPosition TabPosition() const;
  void SetTabPosition(TSkinTabPosition value);
  int TabIndex() const;
  void SetTabIndex(int index);

 signals:
  // A tab became active (by the mouse or by code); then OnChange.
  void OnTabActive(int index);
  void OnChange();
  // Asked before a tab chosen with the mouse becomes active; clear allowChange to refuse.
  void OnChanging(bool& allowChange);
  // The strip or the body was clicked or double-clicked.
  void OnClick();
  void OnDblClick();

 protected:
  explicit TSkinTab(QWidget* owner);

  TSkinTabControlTopPanel* TopPanel() const { return strip_; }
  // The strip's active tab changed to index; raises OnTabActive, then OnChange.
  virtual void TabActive(int index);
  // Whether the strip may be left without an active tab while it has captions.
  virtual bool AllowsNoActiveTab() const { return true; }

  void LookChanged() override;
  bool HandsLookDown() const override { return true; }
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class TSkinTabControlTopPanel;
  // The strip across the full width at its edge; the children's margins around the body.
  void PlaceStrip();
  // Asks OnChanging whether a tab chosen with the mouse may become active.
  bool AllowsTabChange();
  // Click and double click on the body or the strip.
  void TrackClick(QEvent* event, const QWidget* where);

  TSkinTabControlTopPanel* strip_;
  TColor borderColor_ = 0;
  bool clickArmed_ = false;  // a left press on the body or strip may become a click
};
