#pragma once
// TSkinWidget: what every skinned control stands on. It publishes the skinned-component
// contract, UIStyle and FileTheme, and Transparent, and keeps the look:
//
//   class TSkinGauge : public TSkinWidget {
//     Q_OBJECT
//    public:
//     explicit TSkinGauge(QWidget* owner = nullptr) : TSkinWidget(owner) {
//       resize(100, 20);          // own defaults first
//       StartLook(owner);         // last: takes the owner form's look, calls LookChanged
//     }
//    protected:
//     void LookChanged() override {  // re-read every entry used; the base repaints after
//       bar_ = Look().Bitmap(SkinEntry::ProgressBarImage);
//     }
//     void paintEvent(QPaintEvent*) override;  // reads bar_, never writes a field
//    private:
//     QImage bar_;
//   };
//
// A look reaches a control only through SetUIStyle, SetFileTheme or SetLook (SkinApplyLook
// uses SetLook), each of which reads the look again, even when the value is unchanged. A
// container whose HandsLookDown answers true passes every new look on to its direct children.
// When the file theme goes away, FileThemeGone runs: DeepBlue for the control.
#include <QWidget>

#include "skin/look/component.h"
#include "skin/look/filetheme.h"

class TSkinWidget : public QWidget, public SkinLookReceiver {
  Q_OBJECT
  Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
  Q_PROPERTY(TSkinFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
  Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

 public:
  virtual TSkinUIStyle UIStyle() const { return look_.UIStyle(); }
  void SetUIStyle(TSkinUIStyle style) { look_.SetUIStyle(style); }
  TSkinFileTheme* FileTheme() const { return look_.FileTheme(); }
  void SetFileTheme(TSkinFileTheme* theme) {
    look_.SetLook(look_.UIStyle(), theme, ThemeChangeReadsLook());
  }
  // Theme and style at once, read once: how SkinApplyLook gives a skinned widget its look.
  void SetLook(TSkinUIStyle style, TSkinFileTheme* theme) override { look_.SetLook(style, theme); }

  // Paint the parent behind the control instead of filling with the control's colour. An
  // opaque control paints every pixel itself.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  // The control's colour; while ParentColor is on it is the parent's background colour.
  // Setting a colour turns ParentColor off. An own colour is handed down: children (and
  // theirs) that follow ParentColor show it; turning ParentColor on passes the parent's on.
  TColor Color() const;
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);

  // Whether Tab stops at the control; the focus policies it stands for are the control's own.
  bool TabStop() const { return (focusPolicy() & Qt::TabFocus) != 0; }
  void SetTabStop(bool value);

  const SkinComponent& Look() const { return look_; }

 protected:
  // color: the colour kept for when ParentColor is turned off.
  explicit TSkinWidget(QWidget* owner, TColor color = clBtnFace);

  // The colour to fill with: Color, resolved through the palette.
  QColor FaceColor() const;
  virtual void ColorChanged() {}
  virtual Qt::FocusPolicy TabStopFocus() const { return Qt::StrongFocus; }
  virtual Qt::FocusPolicy NoTabStopFocus() const { return Qt::NoFocus; }

  void changeEvent(QEvent* e) override;

  // The last step of a concrete control's constructor, once its own operations are in place.
  void StartLook(QObject* owner) { look_.Start(owner); }
  // Re-reads every entry the control uses; the base repaints afterwards.
  virtual void LookChanged() {}
  virtual void TransparentChanged() {}
  // Containers that pass every new look on to their children answer true.
  virtual bool HandsLookDown() const { return false; }
  // Whether a new file theme alone makes the control read its look again.
  virtual bool ThemeChangeReadsLook() const { return true; }
  // The file theme has gone (FileTheme() is already empty): DeepBlue for the control.
  virtual void FileThemeGone() { SetUIStyle(TSkinUIStyle::DeepBlue); }

 private:
  void ApplyLook();
  // Puts Color or ParentColor into the palette the children inherit, then raises the change.
  void ColorSettingChanged();
  // The one path that raises ColorChanged.
  void RaiseColorChanged();

  SkinComponent look_;
  bool transparent_ = false;
  TColor color_;
  bool parentColor_ = true;
  bool settingColor_ = false;  // ColorSettingChanged is writing the palette
};
