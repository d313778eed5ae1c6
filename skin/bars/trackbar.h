#pragma once
// The skinned slider control: a bar drawn from the look's track-bar picture, optional tick
// marks, and a slider (a child image panel) that the user drags, moves by clicking or holding
// the mouse on the bar, or moves with the keyboard.
//
// Holding the left button on the bar starts a 100 ms repeat timer (a SkinTimer child of the bar)
// that lives until the button is released or the pointer leaves the bar. Dragging the slider
// makes the bar grab the mouse until the release.
#include <QImage>
#include <QWidget>
#include <cstdint>

#include "skin/base/orientation.h"
#include "skin/base/widget.h"
#include "skin/look/builtinlooks.h"

class SkinTimer;
class TSkinImagePanel;

class TSkinTrackBar : public TSkinWidget {
  Q_OBJECT
  Q_PROPERTY(SkinOrientationEnums::TSkinProgressBarOrientation Orientation READ Orientation WRITE
                 SetOrientation)
  Q_PROPERTY(QImage BarImage READ BarImage WRITE SetBarImage)
  Q_PROPERTY(QImage SliderImage READ SliderImage WRITE SetSliderImage)
  Q_PROPERTY(int Max READ Max WRITE SetMax)
  Q_PROPERTY(int Min READ Min WRITE SetMin)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)
  Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
  Q_PROPERTY(int LineSize READ LineSize WRITE SetLineSize)
  Q_PROPERTY(bool ShowTick READ ShowTick WRITE SetShowTick)
  Q_PROPERTY(int Frequency READ Frequency WRITE SetFrequency)

 public:
  explicit TSkinTrackBar(QWidget* owner = nullptr);

  TSkinProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TSkinProgressBarOrientation value);
  const QImage& BarImage() const { return barImage_; }
  void SetBarImage(const QImage& picture);
  const QImage& SliderImage() const;
  virtual void SetSliderImage(const QImage& picture);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);  // refused unless 0 <= value <= Max
  int LineSize() const { return lineSize_; }
  void SetLineSize(int value);  // refused unless 0 <= value <= Max

  bool ShowTick() const { return showTick_; }
  void SetShowTick(bool value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);

  // Reloads the bar and slider pictures from the look and prepares the bar for the current
  // length; does nothing for a bar whose pictures come from its user.
  virtual void UpdatePicture();
  virtual bool CustomPicture() const { return customPicture_; }
  virtual bool SkinCanFocus() const { return true; }
  virtual bool SliderTransparent() const { return orientation_ == skinHorizontal; }

 signals:
  // The position differs from the one last announced.
  void OnChange();
  void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void OnMouseMove(Qt::KeyboardModifiers shift, int x, int y);
  void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

 protected:
  // For bars whose user supplies the pictures: the look is never read for them.
  TSkinTrackBar(QWidget* owner, bool customPicture);
  TSkinImagePanel* Slider() const { return slider_; }

  // The bar and slider pictures for the new look; the MacOS look is drawn over its parent, so
  // choosing it turns Transparent on.
  void LookChanged() override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  // The prepared bar is laid on the face colour.
  void ColorChanged() override { UpdateControl(); }
  Qt::FocusPolicy TabStopFocus() const override { return Qt::TabFocus; }
  void hideEvent(QHideEvent* event) override;

 private:
  void UpdateControl();
  void SetSize();
  void UpdateSlider();
  // The one place OnChange is raised: when the position differs from the one last announced.
  void ReportPosition();
  QPoint GetSliderPosFromPosition() const;
  std::int64_t GetPositionFromFromSliderPos(const QPoint& point) const;
  void UpdatePositionValue(const QPoint& point, bool apply);
  // Moves the position one step toward the pixel under point, never past it.
  void StepToward(const QPoint& point, int step);
  void TakeFocusOnClick();
  void StopRepeat();
  // A hidden or disabled bar can no longer be held or dragged.
  void EndHolding();
  void RepeatTick();
  void OnSliderMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void OnSliderMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void PaintTick(QPainter& painter) const;
  bool Horizontal() const { return orientation_ == skinHorizontal; }

  QImage barImage_;
  SkinTimer* repeat_ = nullptr;
  TSkinImagePanel* slider_;
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int reported_ = 0;  // the position last announced through OnChange
  TSkinProgressBarOrientation orientation_ = skinHorizontal;
  bool showTick_ = true;
  bool customPicture_;
  bool dragging_ = false;
  bool inRepeatTick_ = false;
  int frequency_ = 1;
  int pageSize_ = 2;
  int lineSize_ = 1;
  QImage preparedBar_;  // the bar stretched to the control's length
};
