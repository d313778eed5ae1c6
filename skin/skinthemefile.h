#pragma once
// Theme files: a small binary container of named pictures, integers, booleans and strings that
// carries the 48 theme entries under their file item names.
#include <QImage>
#include <QObject>
#include <QString>

#include "skin/skinthemes.h"

// The component a skinned control's FileTheme property points to.
class TSkinFileTheme : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString ThemeFile READ ThemeFile WRITE SetThemeFile)

 public:
  explicit TSkinFileTheme(QObject* owner = nullptr);
  ~TSkinFileTheme() override;

  QString ThemeFile() const;
  // Resolves and loads the file; raises SkinError "Invalid skin file!" for a file that is not one.
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

 private:
  struct State;
  State* state_;
};
