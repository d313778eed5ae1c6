#pragma once
// A left click in the middle of a control, as the user makes it.
#include <QTest>
#include <QWidget>

inline void Click(QWidget* control) {
  QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}
