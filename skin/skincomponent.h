#pragma once
// The skinned-component contract, written once. A control holds one SkinComponent, publishes
// UIStyle and FileTheme as Q_PROPERTYs forwarding to it, and re-reads its pictures and colours
// in the callback it gives here:
//
//   class TSkinButton : public QWidget {
//     Q_OBJECT
//     Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
//     Q_PROPERTY(TSkinFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
//    public:
//     explicit TSkinButton(QWidget* owner) : look_(this, [this] { ApplyLook(); }) {
//       look_.Start(owner);                 // takes the owner form's look
//     }
//     TSkinUIStyle UIStyle() const { return look_.UIStyle(); }
//     void SetUIStyle(TSkinUIStyle v) { look_.SetUIStyle(v); }
//     ...
//    private:
//     void ApplyLook();                     // reads look_.Bitmap(1, 3, 1) ..., then update()
//     SkinComponent look_;
//   };
#include <QImage>
#include <QPointer>
#include <functional>

#include "skin/skinthemes.h"

class TSkinFileTheme;

class SkinComponent {
 public:
  // self is the control (for tracking the file theme's lifetime); reread is called whenever
  // the look changes and must re-read every entry the control uses and repaint.
  SkinComponent(QObject* self, std::function<void()> reread);
  // A control may own its theme: the theme then dies after the control's own parts, and must
  // no longer call back into it.
  ~SkinComponent();
  SkinComponent(const SkinComponent&) = delete;
  SkinComponent& operator=(const SkinComponent&) = delete;

  // Constructor step: SetUIStyle(GetSkinFormStyle(owner)).
  void Start(QObject* owner);

  TSkinUIStyle UIStyle() const { return style_; }
  void SetUIStyle(TSkinUIStyle style);
  TSkinFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TSkinFileTheme* theme);

  // Look-ups through the file theme when it is in use, else the built-in table with the
  // effective style. Bitmap: frame `frameNumber` of `frameCount` (0 = whole picture); a null
  // image when the look has no picture for the entry.
  QImage Bitmap(int entry, int frameCount = 0, int frameNumber = 0) const;
  TColor Color(int entry) const;
  int Int(int entry) const;
  bool Bool(int entry) const;
  // The built-in style the look-ups use when no file theme is in use.
  TSkinUIStyle EffectiveStyle() const;
  bool UsesFileTheme() const;

 private:
  QObject* self_;
  std::function<void()> reread_;
  TSkinUIStyle style_ = TSkinUIStyle::DeepBlue;
  QPointer<TSkinFileTheme> fileTheme_;
  QMetaObject::Connection themeGone_;
};
