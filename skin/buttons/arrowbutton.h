#pragma once
// TSkinArrowButton: the look's button face with a small black triangle pointing up or down
// (the spin buttons of the edit boxes). It shows no caption.
#include "skin/buttons/custombutton.h"

class TSkinArrowButton : public TSkinCustomButton {
  Q_OBJECT
  Q_PROPERTY(TSkinArrowButtonType Arrow READ Arrow WRITE SetArrow)

 public:
  enum TSkinArrowButtonType { skinUp, skinDown };
  Q_ENUM(TSkinArrowButtonType)

  explicit TSkinArrowButton(QWidget* owner = nullptr);

  TSkinArrowButtonType Arrow() const { return arrow_; }
  void SetArrow(TSkinArrowButtonType value);

 protected:
  void UIStyleChanged() override { TakeTransparentFromLook(); }
  void PaintPic(QPainter& canvas, const QImage& frame) override;
  void PaintText(QPainter&, const QString&) override {}

 private:
  TSkinArrowButtonType arrow_ = skinUp;
};
