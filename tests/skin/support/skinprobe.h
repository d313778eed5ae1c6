#pragma once
// Skinned stand-ins for the theme and colour tests: a TSkin-named control on the widget base
// that counts how often its look is read and its colour changes, and the same control under a
// name without the prefix.
#include "skin/base/widget.h"

class TSkinProbe : public TSkinWidget {
  Q_OBJECT

 public:
  explicit TSkinProbe(QWidget* owner, const QString& name = QString());

  int reads = 0;               // looks read so far
  TColor backgroundColor = 0;  // FormBackgroundColor as last read
  int colourChanges = 0;       // ColorChanged raised so far

 protected:
  void LookChanged() override;
  void ColorChanged() override { ++colourChanges; }
};

class PlainProbe : public TSkinProbe {
  Q_OBJECT

 public:
  using TSkinProbe::TSkinProbe;
};
