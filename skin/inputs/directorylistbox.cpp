#include "skin/inputs/directorylistbox.h"

#include <QDir>
#include <QFileIconProvider>
#include <QKeyEvent>

namespace {
constexpr int kIndentPerLevel = 2;  // spaces
}

TSkinDirectoryListBox::TSkinDirectoryListBox(QWidget* owner) : SkinListBoxBase(owner) {
  connect(this, &QListWidget::itemDoubleClicked, this, &TSkinDirectoryListBox::Open);
  SetDirectory(QDir::currentPath());
  StartLook(owner);
}

void TSkinDirectoryListBox::SetDirectory(const QString& path) {
  const QString folder = QDir(path).absolutePath();
  if (folder == directory_ || !QDir(folder).exists()) return;
  directory_ = folder;
  Fill();
  emit OnChange();
}

void TSkinDirectoryListBox::Fill() {
  clear();
  const QIcon icon = QFileIconProvider().icon(QFileIconProvider::Folder);
  QStringList steps;  // the folder and its parents, root last
  for (QDir dir(directory_);;) {
    steps.append(dir.absolutePath());
    if (!dir.cdUp()) break;
  }
  int level = 0;
  for (auto step = steps.crbegin(); step != steps.crend(); ++step, ++level) {
    const QString name = level == 0 ? QDir::toNativeSeparators(*step) : QDir(*step).dirName();
    auto* item = new QListWidgetItem(icon, QString(level * kIndentPerLevel, u' ') + name, this);
    item->setData(Qt::UserRole, *step);
  }
  setCurrentRow(count() - 1);
  const QDir folder(directory_);
  for (const QFileInfo& inner :
       folder.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    auto* item =
        new QListWidgetItem(icon, QString(level * kIndentPerLevel, u' ') + inner.fileName(), this);
    item->setData(Qt::UserRole, inner.absoluteFilePath());
  }
}

void TSkinDirectoryListBox::Open(QListWidgetItem* item) {
  if (item != nullptr) SetDirectory(item->data(Qt::UserRole).toString());
}

void TSkinDirectoryListBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Open(currentItem());
    return;
  }
  SkinListBoxBase::keyPressEvent(event);
}
