#include "tests/skin/support/skinprobe.h"

TSkinProbe::TSkinProbe(QWidget* owner, const QString& name) : TSkinWidget(owner) {
  setObjectName(name);
  StartLook(owner);
}

void TSkinProbe::LookChanged() {
  ++reads;
  backgroundColor = Look().Color(SkinEntry::FormBackgroundColor);
}
