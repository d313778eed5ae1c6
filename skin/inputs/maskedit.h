#pragma once
// TSkinMaskEdit: a skinned edit whose text follows EditMask, Qt's input mask (for example
// "000.000.000.000;_"): fixed characters stay, each place takes only its kind of character.
#include "skin/inputs/edit.h"

class TSkinMaskEdit : public TSkinEdit {
  Q_OBJECT
  Q_PROPERTY(QString EditMask READ inputMask WRITE setInputMask)

 public:
  using TSkinEdit::TSkinEdit;
};
