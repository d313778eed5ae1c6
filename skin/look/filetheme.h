#pragma once
// Theme files: a small binary container of named pictures, integers, booleans and strings that
// carries the 48 theme entries under their file item names.
#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>

#include "skin/base/error.h"
#include "skin/look/builtinlooks.h"
#include "skin/look/filethememgr.h"
#include "skin/look/themefileformat.h"

// The component a skinned control's FileTheme property points to.
class TSkinFileTheme : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString ThemeFile READ ThemeFile WRITE SetThemeFile)

 public:
  explicit TSkinFileTheme(QObject* owner = nullptr);
  ~TSkinFileTheme() override;

  QString ThemeFile() const;
  // Looks for the file as given, then by its name in the program's folder; a file found
  // nowhere changes nothing. Raises SkinError "Invalid skin file!" for a file that is not a
  // theme file, or the reader's error for a damaged one; the loaded theme then stays.
  void SetThemeFile(const QString& value);
  // A file was loaded.
  bool CanUse() const;
  static bool CheckThemeFile(const QString& fileName);

  // Entry look-ups by entry number 1..48. GetBitmap leaves the target unchanged when the entry
  // is absent; it cuts frame spitIndex of spitCount when both are non-zero.
  void GetBitmap(int index, QImage* bitmap, int spitCount = 0, int spitIndex = 0) const;
  TColor GetColor(int index) const;
  int GetInt(int index) const;
  bool GetBool(int index) const;

 protected:
  // Loads a theme file's bytes held in memory; label names them in errors.
  void LoadThemeData(const QByteArray& bytes, const QString& label);

 private:
  // Every skinned component of the owner form whose FileTheme is this theme reads it again.
  void ReapplyToOwnerComponents();

  QString themeFile_;
  TSkinFileThemeMgr mgr_;
  bool usable_ = false;
};
