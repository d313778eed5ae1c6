#pragma once
// TSkinSpinButtons: an up and a down arrow button stacked into one control, overlapping by one
// pixel, at least 15 pixels wide (the spin edit's buttons). A click, or holding a button (every
// 400 ms), raises OnUpClick or OnDownClick; so do the Up and Down keys. The control's look is
// its buttons' look.
#include "skin/base/widget.h"

class TSkinArrowButton;

class TSkinSpinButtons : public TSkinWidget {
  Q_OBJECT

 public:
  static constexpr int kMinWidth = 15;

  explicit TSkinSpinButtons(QWidget* owner = nullptr);

  TSkinArrowButton* UpButton() const { return up_; }
  TSkinArrowButton* DownButton() const { return down_; }

 signals:
  void OnUpClick();
  void OnDownClick();

 protected:
  bool HandsLookDown() const override { return true; }
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TSkinArrowButton* up_;
  TSkinArrowButton* down_;
};
