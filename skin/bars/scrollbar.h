#pragma once
// TSkinScrollBar: a scroll bar of its own, made of two arrow buttons and a scroll track whose
// slider is the thumb, all painted from the look's scroll-bar pictures (entries 31 to 33). A list
// box or memo given one lays it over its own scroll bar and keeps the two in step; on its own it
// is an ordinary control.
//
// The thumb is LineButton pixels long (18 at least) or, with LineButton 0, a share of the track
// given by PageSize (10 percent for a PageSize outside 10..100). Holding an arrow button moves
// Position by SmallChange every 100 ms, the first step one interval after the press. The parts
// are laid out on every resize (for a hidden bar, when it is shown); the bar keeps the
// thickness of its arrow pictures.
#include <QImage>

#include "skin/base/orientation.h"
#include "skin/base/widget.h"

class TSkinImageButton;
class TSkinScrollTrackBar;

class TSkinScrollBar : public TSkinWidget {
  Q_OBJECT
  Q_PROPERTY(int LineButton READ LineButton WRITE SetLineButton)
  Q_PROPERTY(SkinOrientationEnums::TSkinProgressBarOrientation Orientation READ Orientation WRITE
                 SetOrientation)
  Q_PROPERTY(int Max READ Max WRITE SetMax)
  Q_PROPERTY(int Min READ Min WRITE SetMin)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)
  Q_PROPERTY(int SmallChange READ SmallChange WRITE SetSmallChange)
  Q_PROPERTY(int LargeChange READ LargeChange WRITE SetLargeChange)
  Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
  Q_PROPERTY(bool SliderVisible READ SliderVisible WRITE SetSliderVisible)

 public:
  // The shortest thumb a LineButton can ask for.
  static constexpr int kMinThumbLength = 18;

  explicit TSkinScrollBar(QWidget* owner = nullptr);

  int LineButton() const { return lineButton_; }
  // A length above the room between the arrow buttons is refused; one below 18 becomes 18.
  void SetLineButton(int length);
  TSkinProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TSkinProgressBarOrientation value);

  int Max() const;
  void SetMax(int value);
  int Min() const;
  void SetMin(int value);
  int Position() const;
  void SetPosition(int value);
  // Steps of 1 to 32767, as the arrow buttons and the keyboard know them.
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value);
  // The track's PageSize, set without rebuilding the thumb.
  int LargeChange() const;
  void SetLargeChange(int value);
  // The track's PageSize; the thumb follows it while LineButton is 0.
  int PageSize() const;
  void SetPageSize(int value);
  bool SliderVisible() const;
  void SetSliderVisible(bool value);

  TSkinScrollTrackBar* Track() const { return track_; }
  TSkinImageButton* FirstButton() const { return first_; }
  TSkinImageButton* SecondButton() const { return second_; }

 signals:
  // The position differs from the one last announced (the track's own OnChange).
  void OnChange();

 protected:
  void LookChanged() override;
  void ColorChanged() override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool Vertical() const { return orientation_ == skinVertical; }
  // Arrow and thumb pictures of the look, turned for the orientation.
  void LoadPictures();
  void Layout();
  void BuildThumb();
  int TrackLength() const;
  // The room for the track: the bar's length less both arrow buttons.
  int TrackRoom() const;
  void Step(int direction);

  TSkinScrollTrackBar* track_;
  TSkinImageButton* first_;
  TSkinImageButton* second_;
  QImage startCap_;
  QImage middle_;
  QImage endCap_;
  TSkinProgressBarOrientation orientation_ = skinHorizontal;
  int lineButton_ = 0;
  int smallChange_ = 1;
  bool laying_ = false;  // Layout resizes the bar itself
};
