#pragma once
// TSkinImageButton: a button painted from four pictures of its own, one per state (the scroll
// bar's arrow buttons). It has no look: UIStyle always reads FromThemeFile and a state without a
// picture shows PicNormal.
#include <QImage>

#include "skin/buttons/custombutton.h"

class TSkinImageButton : public TSkinCustomButton {
  Q_OBJECT
  Q_PROPERTY(QImage PicNormal READ PicNormal WRITE SetPicNormal)
  Q_PROPERTY(QImage PicMouseOn READ PicMouseOn WRITE SetPicMouseOn)
  Q_PROPERTY(QImage PicMouseDown READ PicMouseDown WRITE SetPicMouseDown)
  Q_PROPERTY(QImage PicDisabled READ PicDisabled WRITE SetPicDisabled)
  Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
  Q_PROPERTY(bool DrawFocused READ DrawFocused WRITE SetDrawFocused)

 public:
  explicit TSkinImageButton(QWidget* owner = nullptr);

  TSkinUIStyle UIStyle() const override { return TSkinUIStyle::FromThemeFile; }

  QImage PicNormal() const { return pictures_[0]; }
  void SetPicNormal(const QImage& picture) { SetPicture(0, picture); }
  QImage PicMouseOn() const { return pictures_[1]; }
  void SetPicMouseOn(const QImage& picture) { SetPicture(1, picture); }
  QImage PicMouseDown() const { return pictures_[2]; }
  void SetPicMouseDown(const QImage& picture) { SetPicture(2, picture); }
  QImage PicDisabled() const { return pictures_[3]; }
  void SetPicDisabled(const QImage& picture) { SetPicture(3, picture); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool DrawFocused() const { return drawFocused_; }
  void SetDrawFocused(bool value);

 protected:
  void AutoSizeChanged() override;
  void PaintPic(QPainter& canvas, const QImage& frame) override;
  void PaintFocus(QPainter& canvas) override;
  void PaintButtonNormal(QImage& frame) override { frame = Keyed(0); }
  void PaintButtonMouseOn(QImage& frame) override { frame = Keyed(1); }
  void PaintButtonMouseDown(QImage& frame) override { frame = Keyed(2); }
  void PaintButtonDisabled(QImage& frame) override { frame = Keyed(3); }

 private:
  void SetPicture(int index, const QImage& picture);
  // The state's own picture, else PicNormal, with the colour of its top-left pixel see-through.
  QImage Keyed(int index) const;

  QImage pictures_[4];  // normal, mouse on, mouse down, disabled
  bool stretch_ = false;
  bool drawFocused_ = false;
};
