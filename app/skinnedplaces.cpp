#include "app/skinnedplaces.h"

#include <QWidget>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "skin/window/form.h"
#include "skin/window/titlebar.h"

namespace {

QString ObjectName(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QWidget* ParentOf(const TSkinForm& form, const SkinnedPlace& place) {
  const QString parent = ObjectName(place.parent);
  if (form.objectName() == parent) return form.FormPanel();
  if (auto* found = form.window()->findChild<QWidget*>(parent)) return found;
  throw std::logic_error("no parent " + std::string(place.parent) + " for " +
                         std::string(place.name));
}

void PutAt(QWidget& control, const TSkinForm& form, const SkinnedPlace& place) {
  control.setObjectName(ObjectName(place.name));
  QPoint at = place.geometry.topLeft();
  // The form's panel begins below the title bar.
  if (control.parentWidget() == form.FormPanel()) {
    at.ry() -= form.TitleBar()->sizeHint().height();
  }
  if (place.geometry.isEmpty()) {
    control.move(at);
  } else {
    control.setGeometry(QRect(at, place.geometry.size()));
  }
}

void HideTitleBarButtons(TSkinForm& form, std::initializer_list<TSkinTitleBarBtnType> kinds) {
  TSkinTitleBarButtons& buttons = form.TitleBar()->Buttons();
  for (int i = 0; i < buttons.Count(); ++i) {
    TSkinTitleBarButton* button = buttons.Items(i);
    if (std::find(kinds.begin(), kinds.end(), button->ButtonType()) != kinds.end()) {
      button->SetVisible(false);
    }
  }
}

void SizeForSkinnedForm(QWidget& window, const QSize& formSize) {
  window.resize(window.size() + formSize - window.contentsRect().size());
}
