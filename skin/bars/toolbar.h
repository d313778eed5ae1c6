#pragma once
// TSkinToolBar: a flat tool bar whose buttons are drawn in the look's tool-bar colours: a hot
// button in ButtonColor, a button held down in ButtonDownColor, each framed in
// ButtonBorderColor. In the MacOS and Protein looks the bar is transparent.
#include <QImage>
#include <QList>
#include <QWidget>

#include "skin/base/widget.h"

class TSkinToolButton;

class TSkinToolBar : public TSkinWidget {
  Q_OBJECT
  Q_PROPERTY(TColor ButtonColor READ ButtonColor WRITE SetButtonColor)
  Q_PROPERTY(TColor ButtonBorderColor READ ButtonBorderColor WRITE SetButtonBorderColor)
  Q_PROPERTY(TColor ButtonDownColor READ ButtonDownColor WRITE SetButtonDownColor)
  Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
  Q_PROPERTY(bool ShowCaptions READ ShowCaptions WRITE SetShowCaptions)
  Q_PROPERTY(bool List READ List WRITE SetList)
  Q_PROPERTY(int ButtonWidth READ ButtonWidth WRITE SetButtonWidth)
  Q_PROPERTY(int ButtonHeight READ ButtonHeight WRITE SetButtonHeight)

 public:
  explicit TSkinToolBar(QWidget* owner = nullptr);

  TColor ButtonColor() const { return buttonColor_; }
  void SetButtonColor(TColor value);
  TColor ButtonBorderColor() const { return buttonBorderColor_; }
  void SetButtonBorderColor(TColor value);
  TColor ButtonDownColor() const { return buttonDownColor_; }
  void SetButtonDownColor(TColor value);
  // Only a flat bar tracks the mouse over its buttons.
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool value);
  // List mode puts captions to the right of the images instead of below them.
  bool List() const { return list_; }
  void SetList(bool value);
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int value);
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonHeight(int value);

  // Image lists: pictures of one size, indexed by the buttons' ImageIndex. HotImages, when
  // given, replace Images for the button under the mouse. Each picture is drawn through its
  // mask: the colour of its bottom-left pixel is see-through.
  QList<QImage> Images() const { return images_; }
  void SetImages(const QList<QImage>& images);
  QList<QImage> HotImages() const { return hotImages_; }
  void SetHotImages(const QList<QImage>& images);

  // Places the buttons left to right in child order.
  void ArrangeButtons();

  // Paints one button by its state (called from the button's paint).
  void DrawButton(QPainter& canvas, const TSkinToolButton& button) const;

  static constexpr int kDropDownArrowWidth = 14;
  static constexpr int kSeparatorWidth = 8;

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  // An image list as drawn: each picture through its mask, and that greyed for a disabled button.
  struct DrawnImages {
    QList<QImage> enabled;
    QList<QImage> disabled;
  };
  static DrawnImages Drawn(const QList<QImage>& images);

  void LookChanged() override;
  // The framed face of a hot or held-down button, with its image and caption.
  void DrawFramedButton(QPainter& canvas, const TSkinToolButton& button, const DrawnImages& images,
                        bool down) const;
  // Image and caption without a frame: the bar's own drawing of a button at rest.
  void DrawContent(QPainter& canvas, const TSkinToolButton& button, const DrawnImages& images,
                   bool down) const;
  void DrawDropDownArrow(QPainter& canvas, const QRect& bounds) const;

  TColor buttonColor_ = 0;
  TColor buttonBorderColor_ = 0;
  TColor buttonDownColor_ = 0;
  bool flat_ = true;
  bool showCaptions_ = false;
  bool list_ = false;
  int buttonWidth_ = 23;
  int buttonHeight_ = 22;
  QList<QImage> images_;
  QList<QImage> hotImages_;
  DrawnImages drawnImages_;
  DrawnImages drawnHotImages_;
};
