#pragma once
// SkinNativeLook: what the skinned text and list controls share. They are Qt's own edit, list,
// combo and memo widgets; this keeps their look (UIStyle, FileTheme), the frame colour read from
// it (entry 25, ControlBorderColor, into BorderColor) and their colour (the palette's Base), and
// paints the one-pixel frame that covers the native edge. A control derives from its Qt widget
// first and from this second, publishes the properties, and starts the look last:
//
//   class TSkinEdit : public QLineEdit, public SkinNativeLook {
//     Q_OBJECT
//     Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle) ...
//    public:
//     explicit TSkinEdit(QWidget* owner) : QLineEdit(owner), SkinNativeLook(this) {
//     StartLook(owner); }
//   };
#include <QWidget>

#include "skin/look/component.h"
#include "skin/look/filetheme.h"

class QFrame;
class QPainter;

class SkinNativeLook : public SkinLookReceiver {
 public:
  TSkinUIStyle UIStyle() const { return look_.UIStyle(); }
  void SetUIStyle(TSkinUIStyle style) { look_.SetUIStyle(style); }
  TSkinFileTheme* FileTheme() const { return look_.FileTheme(); }
  void SetFileTheme(TSkinFileTheme* theme) { look_.SetFileTheme(theme); }
  void SetLook(TSkinUIStyle style, TSkinFileTheme* theme) override { look_.SetLook(style, theme); }

  // Set by every new look; a colour set afterwards stays until the next look.
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  // The face behind the text or items (the palette's Base) and the ring inside the frame.
  TColor Color() const { return color_; }
  void SetColor(TColor value);

  const SkinComponent& Look() const { return look_; }

 protected:
  explicit SkinNativeLook(QWidget* control);
  ~SkinNativeLook();
  SkinNativeLook(const SkinNativeLook&) = delete;
  SkinNativeLook& operator=(const SkinNativeLook&) = delete;

  // The last step of the control's constructor: its colour, then the owner form's look.
  void StartLook(QObject* owner) {
    ColorChanged();
    look_.Start(owner);
  }
  // Re-reads whatever else the control takes from the look; BorderColor is read already and the
  // control repaints afterwards.
  virtual void LookChanged() {}
  // Gives the control's palette the new colour, enabled or not.
  virtual void ColorChanged();
  // The frame over the control's two outer pixel rings: BorderColor outside, Color inside.
  void PaintFrame(QPainter& painter) const;
  // For a scroll area, whose own paint event is its edge: the native edge is made as deep as
  // the frame, which PaintFrameAfter paints over it once the area has handled a paint event.
  static void DeepenEdge(QFrame* area, int depth);
  void PaintFrameAfter(const QEvent& event) const;
  QWidget* Control() const { return control_; }

 private:
  void ApplyLook();

  QWidget* control_;
  SkinComponent look_;
  TColor borderColor_ = 0;
  TColor color_;
};
