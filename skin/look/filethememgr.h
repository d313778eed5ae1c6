#pragma once
// Look-ups of the 48 theme entries, by entry number, in the theme file currently loaded.
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <memory>

#include "skin/look/builtinlooks.h"

class TSkinThemeFileReader;

class TSkinFileThemeMgr {
 public:
  TSkinFileThemeMgr();
  ~TSkinFileThemeMgr();

  // False, keeping the loaded file, when the file does not exist. A file that fails to load
  // raises SkinError and also keeps the loaded one.
  bool LoadFromFile(const QString& fileName);
  // The same from a theme file's bytes; fileName names them in errors.
  void LoadFromData(const QByteArray& bytes, const QString& fileName);
  bool Loaded() const { return reader_ != nullptr; }

  // The picture stored under the entry's item name, decoded; bitmap unchanged when absent, not
  // a picture, or when nothing is loaded.
  void GetBitmap(int index, QImage* bitmap) const;
  // kSkinAbsentColor (look/thememarkers_p.h) when absent, 0 when nothing is loaded.
  TColor GetColor(int index) const;
  int GetInt(int index) const;    // -1 when absent, 0 when nothing is loaded
  bool GetBool(int index) const;  // False when absent or nothing is loaded

 private:
  std::unique_ptr<TSkinThemeFileReader> reader_;
  mutable QHash<int, QImage> decoded_;  // pictures of the loaded file, by entry, once decoded
};
