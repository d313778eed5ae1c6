#pragma once
// TSkinControlButton: a button showing frames of any picture entry of the look: entry ThemeID cut
// into PicCount frames, frame PicIndex normally and frame PicIndex + 1 under the mouse. It takes
// the size of its frame.
#include "skin/buttons/custombutton.h"

class TSkinControlButton : public TSkinCustomButton {
  Q_OBJECT
  Q_PROPERTY(int PicIndex READ PicIndex WRITE SetPicIndex)
  Q_PROPERTY(int PicCount READ PicCount WRITE SetPicCount)
  Q_PROPERTY(int ThemeID READ ThemeID WRITE SetThemeID)

 public:
  explicit TSkinControlButton(QWidget* owner = nullptr);

  int PicIndex() const { return picIndex_; }
  void SetPicIndex(int value);
  // 0 takes the whole picture.
  int PicCount() const { return picCount_; }
  void SetPicCount(int value);
  int ThemeID() const { return themeId_; }
  void SetThemeID(int value);

 protected:
  void PaintButtonNormal(QImage& frame) override;
  void PaintButtonMouseOn(QImage& frame) override { frame = ThemeFrame(picIndex_ + 1); }
  void PaintButtonMouseDown(QImage& frame) override { frame = ThemeFrame(picIndex_); }
  void PaintButtonDisabled(QImage& frame) override { frame = ThemeFrame(picIndex_); }

 private:
  // Frame number of entry ThemeID with the colour of its top-left pixel see-through; a null
  // picture for an entry or frame that does not exist.
  QImage ThemeFrame(int number) const;

  int picIndex_ = 0;
  int picCount_ = 0;
  int themeId_ = 0;
};
