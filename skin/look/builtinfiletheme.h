#pragma once
// A file theme that carries the theme file's bytes itself (stored with the form as SkinData),
// so the program needs no theme file beside it.
#include <QByteArray>
#include <QString>

#include "skin/look/filetheme.h"

class TSkinBuiltInFileTheme : public TSkinFileTheme {
  Q_OBJECT
  // The file whose bytes are to be carried; setting it loads nothing.
  Q_PROPERTY(QString ThemeFile READ ThemeFile WRITE SetThemeFile)
  Q_PROPERTY(QByteArray SkinData READ SkinData WRITE SetSkinData)

 public:
  explicit TSkinBuiltInFileTheme(QObject* owner = nullptr);

  QString ThemeFile() const { return sourceFile_; }
  void SetThemeFile(const QString& value) { sourceFile_ = value; }
  // The bytes to store: those of ThemeFile when that file exists, else the ones held.
  QByteArray SkinData() const;
  // Holds the bytes and loads them as the theme (empty bytes: nothing stored, nothing done);
  // raises SkinError as SetThemeFile does, keeping the theme held before.
  void SetSkinData(const QByteArray& bytes);

 private:
  QString sourceFile_;
  QByteArray data_;
};
