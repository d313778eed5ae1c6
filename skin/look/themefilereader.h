#pragma once
// Loads a theme file completely into memory and answers look-ups by item name, compared without
// regard to letter case. A name stored twice keeps its first value.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstdint>

class QIODevice;

class TSkinThemeFileReader {
 public:
  // Loads at once; raises SkinError for a file that cannot be opened, is not a theme file, or
  // whose data is cut short.
  explicit TSkinThemeFileReader(const QString& fileName);
  // Loads from an open, seekable device; fileName names it in errors.
  TSkinThemeFileReader(QIODevice& device, const QString& fileName);

  const QString& FileName() const { return fileName_; }
  // The stored picture file's bytes, or null when the name is absent.
  const QByteArray* GetFile(const QString& name) const;
  int GetInteger(const QString& name) const;  // -1 when absent
  bool GetBool(const QString& name) const;    // False when absent
  QString GetStr(const QString& name) const;  // empty when absent

  int PictureCount() const { return static_cast<int>(pictures_.size()); }
  int IntegerCount() const { return static_cast<int>(integers_.size()); }
  int BoolCount() const { return static_cast<int>(bools_.size()); }
  int StrCount() const { return static_cast<int>(strings_.size()); }

 private:
  void Load(QIODevice& device);

  QString fileName_;
  QHash<QString, QByteArray> pictures_;
  QHash<QString, std::int32_t> integers_;
  QHash<QString, bool> bools_;
  QHash<QString, QString> strings_;
};
