#pragma once
// TSkinCustomButton: the push-button behaviour the skinned buttons share. It paints one of four
// state frames (normal, mouse over, pressed, disabled) that its subclasses supply, the focus
// mark and the caption; it is pressed by the left mouse button or Space/Enter and clicks on the
// release; it clicks for Enter when it is the form's active (default) button, for Escape when it
// is the cancel button, and for Alt plus its '&' letter; every click copies ModalResult to its
// form; while the mouse holds it, OnMouseContinuouslyDown repeats every
// MouseContinuouslyDownInterval milliseconds.
#include <QImage>
#include <QString>
#include <QWidget>
#include <algorithm>

#include "skin/base/buttonbase.h"
#include "skin/base/dialogkeys.h"

class TSkinCustomButton : public SkinButtonBase, public SkinDialogKeyTarget {
  Q_OBJECT
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize2)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption2)
  Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
  Q_PROPERTY(bool Default READ Default WRITE SetDefault)
  Q_PROPERTY(bool PicTransparent READ PicTransparent WRITE SetPicTransparent)
  Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
  Q_PROPERTY(int FocusedRectMargin READ FocusedRectMargin WRITE SetFocusedRectMargin)
  Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
                 SetMouseContinuouslyDownInterval)

 public:
  ~TSkinCustomButton() override;

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize2(bool value);
  QString Caption() const { return caption_; }
  void SetCaption2(const QString& text);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  bool Default() const { return default_; }
  // Every button of the form re-decides whether Enter clicks it.
  void SetDefault(bool value);
  bool PicTransparent() const { return picTransparent_; }
  void SetPicTransparent(bool value);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value) { modalResult_ = value; }
  int FocusedRectMargin() const { return focusedRectMargin_; }
  void SetFocusedRectMargin(int value);
  int MouseContinuouslyDownInterval() const { return repeatInterval_; }
  void SetMouseContinuouslyDownInterval(int value) { repeatInterval_ = value; }

  // Whether Enter clicks this button: the focused button, else the Default one.
  bool IsActive() const { return active_; }

  // The toolkit's click: ends a press, sets the form's modal result, raises OnClick.
  void Click() override;

  bool DialogKey(const QKeyEvent& key) override;

 signals:
  void OnClick();
  void OnMouseEnter();
  void OnMouseExit();
  void OnMouseContinuouslyDown();

 protected:
  explicit TSkinCustomButton(QWidget* owner);

  // Fetches the four state frames anew and repaints; subclasses call it when their pictures change.
  void RefreshFrames();
  // Transparent from entry 2 of the look (ButtonTransparentBool).
  void TakeTransparentFromLook();
  // Nine-slice stretch of a state frame over the whole button.
  void DrawStretchedFrame(QPainter& canvas, const QImage& frame) const;
  // Whether the focus shows as a bold centred caption instead of the focus rectangle.
  virtual bool CaptionShowsFocus() const { return false; }
  bool ShowsFocus() const { return hasFocus() && TabStop(); }

  virtual void AutoSizeChanged();
  virtual void CaptionChanged() {}
  void TransparentChanged() override { SetPicTransparent(Transparent()); }
  void LookChanged() override;
  virtual void EnableChanged() {}
  virtual void UIStyleChanged() {}
  // Draws the state frame at its own size; a button that keys or greys its frames does so where
  // it fetches them (PaintButtonNormal and friends), never here.
  virtual void PaintPic(QPainter& canvas, const QImage& frame);
  virtual void PaintText(QPainter& canvas, const QString& text);
  virtual void PaintFocus(QPainter& canvas);
  // Fill frame with the picture of a state; the built-in ones cut the look's button strip.
  virtual void PaintButtonNormal(QImage& frame) { frame = ButtonStripFrame(1); }
  virtual void PaintButtonMouseOn(QImage& frame) { frame = ButtonStripFrame(2); }
  virtual void PaintButtonMouseDown(QImage& frame) { frame = ButtonStripFrame(3); }
  virtual void PaintButtonDisabled(QImage& frame) { frame = ButtonStripFrame(1); }

  int HoldRepeatInterval() const override { return std::max(repeatInterval_, 0); }
  void HoldRepeat() override { emit OnMouseContinuouslyDown(); }
  void HoverChanged(bool over) override;

  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  enum Face { kNormal, kMouseOn, kMouseDown, kDisabled };

  QImage ButtonStripFrame(int number) const;
  const QImage& CurrentFrame() const;
  void FocusChanged(QWidget* now);
  void DecideActive(QWidget* focused);

  QImage frames_[4];
  QString caption_;
  bool autoSize_ = false;
  bool cancel_ = false;
  bool default_ = false;
  bool picTransparent_ = false;
  bool active_ = false;
  int modalResult_ = 0;
  int focusedRectMargin_ = 2;
  int repeatInterval_ = 100;
};
