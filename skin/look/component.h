#pragma once
// The skinned-component contract as a value a component holds: its style, its file theme, the
// fall-back to DeepBlue when that theme goes away, and the look-ups of its entries. Skinned
// widgets get it from TSkinWidget (skin/base/widget.h); a component that is no widget (a menu)
// holds one itself and publishes UIStyle and FileTheme as Q_PROPERTYs forwarding to it.
#include <QImage>
#include <QPointer>
#include <functional>

#include "skin/look/builtinlooks.h"
#include "skin/look/stylechoice.h"

class TSkinFileTheme;

class SkinComponent {
 public:
  // self is the component (for tracking the file theme's lifetime); reread is called whenever
  // the look is set and must re-read every entry the component uses. themeGone, when given,
  // replaces the fall-back SetUIStyle(DeepBlue) after the theme has gone.
  SkinComponent(QObject* self, std::function<void()> reread, std::function<void()> themeGone = {});
  // A component may own its theme: the theme then dies after the component's own parts, and
  // must no longer call back into it.
  ~SkinComponent();
  SkinComponent(const SkinComponent&) = delete;
  SkinComponent& operator=(const SkinComponent&) = delete;

  // Constructor step: SetUIStyle(GetSkinFormStyle(owner)).
  void Start(QObject* owner);

  TSkinUIStyle UIStyle() const { return style_; }
  // Setting the look is the request to read it: the same value is read again.
  void SetUIStyle(TSkinUIStyle style);
  TSkinFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TSkinFileTheme* theme);
  // Theme and style at once, read once (or, with read off, only stored).
  void SetLook(TSkinUIStyle style, TSkinFileTheme* theme, bool read = true);

  // Look-ups through the file theme when it is in use, else the built-in table with the
  // effective style. Bitmap: frame `frameNumber` of `frameCount` (0 = whole picture); a null
  // image when the look has no picture for the entry. Pictures come from the decoded-picture
  // caches, so looking one up again costs no decoding.
  QImage Bitmap(SkinEntry entry, int frameCount = 0, int frameNumber = 0) const;
  TColor Color(SkinEntry entry) const;
  int Int(SkinEntry entry) const;
  bool Bool(SkinEntry entry) const;
  // The built-in style the look-ups use when no file theme is in use.
  TSkinUIStyle EffectiveStyle() const;
  bool UsesFileTheme() const;

 private:
  void Track(TSkinFileTheme* theme);

  QObject* self_;
  std::function<void()> reread_;
  std::function<void()> themeGone_;
  TSkinUIStyle style_ = TSkinUIStyle::DeepBlue;
  QPointer<TSkinFileTheme> fileTheme_;
  QMetaObject::Connection themeConnection_;
};
