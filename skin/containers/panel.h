#pragma once
// A container with a skinned caption bar and a fold button that folds the panel up to its
// caption bar and unfolds it again. Height is the unfolded height, kept while folded.
// Children are laid out (by a layout set on the panel) below the caption bar, 3 pixels in
// from the sides and the bottom.
#include <QImage>
#include <QMetaObject>
#include <QString>
#include <QWidget>
#include <array>

#include "skin/base/enums.h"
#include "skin/base/widget.h"
#include "skin/look/builtinlooks.h"

class TSkinPanel : public TSkinWidget {
  Q_OBJECT
  Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
  Q_PROPERTY(bool ShowButton READ ShowButton WRITE SetShowButton)
  Q_PROPERTY(bool Pushed READ Pushed)
  Q_PROPERTY(int Height READ Height WRITE SetHeight2)
  Q_PROPERTY(TColor CaptionFontColor READ CaptionFontColor WRITE SetCaptionFontColor)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(SkinSharedEnums::TAlign Align READ Align WRITE SetAlign)

 public:
  explicit TSkinPanel(QWidget* owner = nullptr);

  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  bool ShowButton() const { return showButton_; }
  void SetShowButton(bool value);
  bool Pushed() const { return !unfolded_; }
  // The unfolded height; while folded it is stored and applied on unfolding.
  int Height() const { return fullHeight_; }
  void SetHeight2(int value);
  TColor CaptionFontColor() const { return captionFontColor_; }
  void SetCaptionFontColor(TColor value);
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& value);
  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);

  // Fold up to the caption bar, then unfold, in animated steps of 15 pixels. Push refuses a
  // panel docked to the client area or a side, which the parent keeps at its full height.
  void Push();
  void Pop();

 signals:
  void OnPush();
  void OnPop();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void LookChanged() override;
  // A new theme restyles the panel only when its style is FromThemeFile.
  bool ThemeChangeReadsLook() const override { return UIStyle() == TSkinUIStyle::FromThemeFile; }
  void FileThemeGone() override;
  void AlignControls();
  bool FoldButtonShown() const;
  bool InFoldButton(const QPoint& point) const;
  void SetHot(bool hot);
  int BarHeight() const { return captionBar_.height(); }

  TColor borderColor_ = 0;
  QImage captionBar_;
  std::array<QImage, 4> foldButton_;  // unfolded, unfolded hot, folded, folded hot
  bool showButton_ = true;
  bool hot_ = false;
  bool unfolded_ = true;
  int fullHeight_ = 100;
  bool animating_ = false;
  TColor captionFontColor_ = 0;
  QString caption_;
  TAlign align_ = alNone;
};
