#pragma once
// Skinned stand-ins for the theme tests: a TSkin-named control that follows the component
// contract and counts how often its look is read, and the same control under a name without
// the prefix.
#include <QWidget>

#include "skin/skincomponent.h"
#include "skin/skinthemefile.h"

class TSkinProbe : public QWidget {
  Q_OBJECT
  Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
  Q_PROPERTY(TSkinFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)

 public:
  explicit TSkinProbe(QWidget* owner, const QString& name = QString());

  TSkinUIStyle UIStyle() const { return look_.UIStyle(); }
  void SetUIStyle(TSkinUIStyle style) { look_.SetUIStyle(style); }
  TSkinFileTheme* FileTheme() const { return look_.FileTheme(); }
  void SetFileTheme(TSkinFileTheme* theme) { look_.SetFileTheme(theme); }

  const SkinComponent& Look() const { return look_; }
  int reads = 0;               // looks read so far
  TColor backgroundColor = 0;  // FormBackgroundColor as last read

 private:
  SkinComponent look_;
};

class PlainProbe : public TSkinProbe {
  Q_OBJECT

 public:
  using TSkinProbe::TSkinProbe;
};
