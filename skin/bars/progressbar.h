#pragma once
// TSkinProgressBar: a framed bar whose filled part stretches the look's progress picture over
// the share of Position between Min and Max, the rest in a plain colour, with an optional
// centred percentage caption.
#include <QImage>
#include <QString>
#include <QWidget>

#include "skin/base/orientation.h"
#include "skin/base/widget.h"

class TSkinProgressBar : public TSkinWidget {
  Q_OBJECT
  Q_PROPERTY(int Max READ Max WRITE SetMax)
  Q_PROPERTY(int Min READ Min WRITE SetMin)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)
  Q_PROPERTY(TSkinProgressBarOrientation Orientation READ Orientation WRITE SetOrientation)
  Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
  Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
  Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE SetShowCaption)
  Q_PROPERTY(TColor CaptionColor READ CaptionColor WRITE SetCaptionColor)
  Q_PROPERTY(bool SmartShowCaption READ SmartShowCaption WRITE SetSmartShowCaption)
  Q_PROPERTY(QString Text READ Text)

 public:
  explicit TSkinProgressBar(QWidget* owner = nullptr);

  // None of the three is checked against the others: they only shape fill and caption.
  int Max() const { return max_; }
  void SetMax(int value);
  int Min() const { return min_; }
  void SetMin(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  // One step forward; StepBy moves by n. Both stop at the ends of the integer range.
  void StepIt() { StepBy(1); }
  void StepBy(int n);

  TSkinProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TSkinProgressBarOrientation value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  // Color is the empty part's colour (the look sets it).
  QImage Picture() const { return picture_; }
  void SetPicture(const QImage& value);
  // An upright bar never shows its caption: it reads False whatever was set.
  bool ShowCaption() const { return showCaption_ && orientation_ == skinHorizontal; }
  void SetShowCaption(bool value);
  TColor CaptionColor() const { return captionColor_; }
  void SetCaptionColor(TColor value);
  bool SmartShowCaption() const { return smartShowCaption_; }
  void SetSmartShowCaption(bool value);
  // The caption: the percentage followed by "%".
  QString Text() const { return text_; }

  // (Position - Min) * 100 div (Max - Min), not clamped; 0 when Max = Min.
  qint64 GetPercentFromPosition() const;
  // The filled share of length: 0 when empty, length when Position is beyond Max.
  int GetWidthFromPosition(int length) const;

 signals:
  void OnClick();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void UpdateProgress();
  void LookChanged() override;

  int max_ = 100;
  int min_ = 0;
  int position_ = 50;
  TSkinProgressBarOrientation orientation_ = skinHorizontal;
  TColor borderColor_ = 0x000000;
  TColor captionColor_ = 0x000000;
  QImage picture_;
  bool showCaption_ = true;
  bool smartShowCaption_ = false;
  QString text_ = QStringLiteral("50%");
  bool pressed_ = false;
};
