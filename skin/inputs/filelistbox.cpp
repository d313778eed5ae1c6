#include "skin/inputs/filelistbox.h"

#include <QDir>
#include <QFileIconProvider>

TSkinFileListBox::TSkinFileListBox(QWidget* owner) : SkinListBoxBase(owner) {
  SetDirectory(QDir::currentPath());
  StartLook(owner);
}

void TSkinFileListBox::SetDirectory(const QString& path) {
  const QString folder = QDir(path).absolutePath();
  if (folder == directory_ || !QDir(folder).exists()) return;
  directory_ = folder;
  Fill();
}

void TSkinFileListBox::SetMask(const QString& value) {
  if (value == mask_) return;
  mask_ = value;
  Fill();
}

void TSkinFileListBox::Fill() {
  clear();
  QStringList patterns = mask_.split(u';', Qt::SkipEmptyParts);
  for (QString& pattern : patterns) {
    pattern = pattern.trimmed();
    if (pattern == u"*.*") pattern = QStringLiteral("*");  // every file, with or without a dot
  }
  const QFileIconProvider icons;
  const QDir folder(directory_);
  for (const QFileInfo& file :
       folder.entryInfoList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
    addItem(new QListWidgetItem(icons.icon(file), file.fileName()));
  }
}

QString TSkinFileListBox::FileName() const {
  const QListWidgetItem* item = currentItem();
  return item != nullptr ? QDir(directory_).filePath(item->text()) : QString();
}
