#pragma once
// TSkinCheckBox: a two-state control that draws one frame of the look's four-frame state strip
// (checked, unchecked, checked disabled, unchecked disabled) and its caption beside it.
// TSkinRadioButton derives from it and changes only the virtual operations below.
#include <QImage>
#include <QString>
#include <QWidget>

#include "skin/base/buttonbase.h"

class TSkinCheckBox : public SkinButtonBase {
  Q_OBJECT
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize2)
  Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(TCheckBoxState State READ GetState WRITE SetState)

 public:
  enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
  Q_ENUM(TCheckBoxState)

  explicit TSkinCheckBox(QWidget* owner = nullptr);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize2(bool value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  // Grayed is not a state of its own: writing it unchecks.
  TCheckBoxState GetState() const { return checked_ ? cbChecked : cbUnchecked; }
  void SetState(TCheckBoxState value) { SetChecked(value == cbChecked); }
  QString Caption() const { return caption_; }
  void SetCaption(const QString& text);

  QSize sizeHint() const override;

  // What a mouse release over the control, Space/Enter and the accelerator end in.
  void Click() override { DoClick(); }

 signals:
  // Raised whenever Checked changes, by the user or by code; never for a value set twice.
  void OnClick();

 protected:
  // The operations a subclass varies.
  virtual bool NeedDrawFocus() const;
  virtual bool GetPicTransparent() const { return false; }
  virtual SkinEntry GetPicThemeIndex() const { return SkinEntry::CheckBoxImage; }
  virtual void CheckStateChanged();
  virtual void Toggle() {}
  virtual void DoClick();
  virtual bool WantKeyUp() const { return true; }

  // Space and Enter click on their release (when WantKeyUp) without a pressed look; the
  // accelerator focuses the control before clicking it.
  bool KeyShowsPress() const override { return false; }
  bool KeyReleaseClicks() const override { return WantKeyUp(); }
  void AcceleratorPressed() override;
  // A click still focuses a control that Tab passes over.
  Qt::FocusPolicy NoTabStopFocus() const override { return Qt::ClickFocus; }

  void paintEvent(QPaintEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void changeEvent(QEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

  // Re-reads the state frames; the radio button calls it once its own operations are in place.
  void LookChanged() override;

 private:
  // Frame number in the state strip: 1 checked, 2 unchecked, 3 and 4 the same disabled.
  int FrameNumber() const;
  QSize FittedSize() const;
  void FitSize();

  QImage frames_[4];
  bool checked_ = false;
  bool autoSize_ = true;
  QString caption_;
};
