#pragma once
// TSkinCustomGroupBox: a framed container with its caption in a gap of the top border. The
// frame is drawn in BorderColor, the caption in the look's control font colour (grey while
// disabled). Children get the inside less 3 pixels on the left, right and bottom and below
// the caption (contentsRect); every new look is handed down to them.
// TSkinGroupBox is the one placed on forms.
#include <QString>

#include "skin/base/widget.h"

class TSkinCustomGroupBox : public TSkinWidget {
  Q_OBJECT
  Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

 public:
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  // Written as it stands: '&' is no accelerator here.
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& value);

 signals:
  // A click on the group's own area (and, in check and radio groups, a change of an item).
  void OnClick();

 protected:
  explicit TSkinCustomGroupBox(QWidget* owner);

  // The caption's colour, given to the children as their text colour.
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor value);
  // The font's pixel height: the caption's room at the top.
  int FontHeight() const;
  // Where items go: 3 pixels in on the left, 2 on the right and bottom, the font height down.
  QRect GetClient() const;

  void LookChanged() override;
  bool HandsLookDown() const override { return true; }
  void FileThemeGone() override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void AlignControls();

  TColor borderColor_ = 0;
  TColor fontColor_ = clWindowText;  // until a look gives its own
  QString caption_;
  bool clickArmed_ = false;
};

class TSkinGroupBox : public TSkinCustomGroupBox {
  Q_OBJECT

 public:
  explicit TSkinGroupBox(QWidget* owner = nullptr) : TSkinCustomGroupBox(owner) {
    StartLook(owner);
  }
};
