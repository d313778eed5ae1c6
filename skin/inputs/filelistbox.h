#pragma once
// TSkinFileListBox: a skinned list of the files in Directory whose names match Mask (patterns
// separated by ";", "*.*" for every file), sorted by name; hidden files are left out. FileName
// is the chosen file's path. Items are drawn by Qt, with the files' icons.
#include "skin/inputs/listboxbase.h"

class TSkinFileListBox : public SkinListBoxBase {
  Q_OBJECT
  Q_PROPERTY(QString Directory READ Directory WRITE SetDirectory)
  Q_PROPERTY(QString Mask READ Mask WRITE SetMask)
  Q_PROPERTY(QString FileName READ FileName)

 public:
  explicit TSkinFileListBox(QWidget* owner = nullptr);

  const QString& Directory() const { return directory_; }
  // A folder that does not exist is refused.
  void SetDirectory(const QString& path);
  const QString& Mask() const { return mask_; }
  void SetMask(const QString& value);
  // Empty while no file is chosen.
  QString FileName() const;

 private:
  void Fill();

  QString directory_;
  QString mask_ = QStringLiteral("*.*");
};
