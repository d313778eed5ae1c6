#include "skin/look/thememanagerdialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "skin/base/helpers.h"
#include "skin/look/thememanager.h"

namespace {

bool IsManageable(const QObject* component) {
  return QByteArray(component->metaObject()->className()).startsWith("TSkin") &&
         IsHasProperty(component, "UIStyle") && IsHasProperty(component, "FileTheme") &&
         qobject_cast<const TSkinThemeManager*>(component) == nullptr &&
         !component->objectName().isEmpty();
}

}  // namespace

ThemeManagerDialog::ThemeManagerDialog(TSkinThemeManager* manager, QWidget* parent)
    : QDialog(parent),
      list_(new QListWidget(this)),
      selectAll_(new QPushButton(tr("&Select all"), this)),
      unselectAll_(new QPushButton(tr("&Unselect all"), this)),
      ok_(new QPushButton(tr("&OK"), this)) {
  setWindowTitle(tr("Theme Manager"));
  setModal(true);
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(selectAll_);
  buttons->addWidget(unselectAll_);
  buttons->addStretch();
  buttons->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);

  if (auto* owner = qobject_cast<QWidget*>(manager->parent())) {
    for (QObject* component : owner->findChildren<QObject*>()) {
      if (!IsManageable(component)) continue;
      auto* item = new QListWidgetItem(component->objectName(), list_);
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(manager->CompList().contains(component->objectName()) ? Qt::Checked
                                                                                : Qt::Unchecked);
    }
  }

  connect(selectAll_, &QPushButton::clicked, this, [this] { CheckAll(true); });
  connect(unselectAll_, &QPushButton::clicked, this, [this] { CheckAll(false); });
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(this, &QDialog::accepted, manager, [this, manager] {
    QStringList checked;
    for (int row = 0; row < list_->count(); ++row) {
      if (list_->item(row)->checkState() == Qt::Checked) checked << list_->item(row)->text();
    }
    manager->SetList(checked);
  });
  connect(this, &QDialog::finished, manager, &TSkinThemeManager::UpdateAll);
}

void ThemeManagerDialog::CheckAll(bool checked) {
  for (int row = 0; row < list_->count(); ++row) {
    list_->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  }
}

void ThemeManagerEdit(TSkinThemeManager* manager) {
  if (manager == nullptr || qobject_cast<QWidget*>(manager->parent()) == nullptr) return;
  ThemeManagerDialog dialog(manager, qobject_cast<QWidget*>(manager->parent())->window());
  dialog.exec();
}
