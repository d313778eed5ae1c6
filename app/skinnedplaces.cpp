#include "app/skinnedplaces.h"

#include <QWidget>

#include "skin/window/form.h"
#include "skin/window/titlebar.h"

QPoint OnFormPanel(const TSkinForm& form, const QPoint& insideFrame) {
  return insideFrame - QPoint(0, form.TitleBar()->sizeHint().height());
}

void SizeForSkinnedForm(QWidget& window, const QSize& formSize) {
  window.resize(window.size() + formSize - window.contentsRect().size());
}
