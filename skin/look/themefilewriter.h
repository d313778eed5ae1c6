#pragma once
// Builds a theme file. Entries are written in groups: pictures, strings, integers, booleans,
// each group in the order of adding, then the terminator record.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

class TSkinThemeFileWriter {
 public:
  explicit TSkinThemeFileWriter(const QString& fileName);
  // Saves unless Save was called since the last change; a failure here can only be logged,
  // so call Save to learn of it.
  ~TSkinThemeFileWriter();
  TSkinThemeFileWriter(const TSkinThemeFileWriter&) = delete;
  TSkinThemeFileWriter& operator=(const TSkinThemeFileWriter&) = delete;

  // A picture: the source file's bytes, read when saving.
  void AddFile(const QString& name, const QString& sourceFile);
  // A picture given as the bytes of a picture file.
  void AddFileData(const QString& name, const QByteArray& bytes);
  void AddInteger(const QString& name, std::int32_t value);
  void AddBool(const QString& name, bool value);
  void AddStr(const QString& name, const QString& value);

  // Writes the whole file, replacing it only once everything is written; raises SkinError
  // naming the file that cannot be read or written.
  void Save();

 private:
  struct PictureEntry {
    QString name;
    QString sourceFile;  // empty when bytes hold the data
    QByteArray bytes;
  };
  template <typename Value>
  struct Entry {
    QString name;
    Value value;
  };

  QString fileName_;
  std::vector<PictureEntry> pictures_;
  std::vector<Entry<QString>> strings_;
  std::vector<Entry<std::int32_t>> integers_;
  std::vector<Entry<bool>> bools_;
  bool pending_ = true;  // not saved since the last change
};
