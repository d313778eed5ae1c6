#include "skinprobe.h"

TSkinProbe::TSkinProbe(QWidget* owner, const QString& name)
    : QWidget(owner), look_(this, [this] {
        ++reads;
        backgroundColor = look_.Color(15);
      }) {
  setObjectName(name);
  look_.Start(owner);
}
