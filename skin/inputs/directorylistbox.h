#pragma once
// TSkinDirectoryListBox: a skinned list of folders: the path of Directory from its root down,
// each step further indented, then the folders inside it. Double-clicking a folder, or Enter on
// it, makes it the Directory. Items are drawn by Qt, with the folder icon.
#include "skin/inputs/listboxbase.h"

class TSkinDirectoryListBox : public SkinListBoxBase {
  Q_OBJECT
  Q_PROPERTY(QString Directory READ Directory WRITE SetDirectory)

 public:
  explicit TSkinDirectoryListBox(QWidget* owner = nullptr);

  const QString& Directory() const { return directory_; }
  // A folder that does not exist is refused.
  void SetDirectory(const QString& path);

 signals:
  void OnChange();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Fill();
  void Open(QListWidgetItem* item);

  QString directory_;
};
