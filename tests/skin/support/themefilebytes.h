#pragma once
// Small helpers for the theme-file tests: a scratch folder, file bytes, little-endian fields.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdint>

inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

inline std::int32_t Int32At(const QByteArray& bytes, int at) {
  return qFromLittleEndian<std::int32_t>(bytes.constData() + at);
}

inline void PutInt32(QByteArray& bytes, int at, std::int32_t value) {
  qToLittleEndian(value, bytes.data() + at);
}

// Record field positions.
constexpr int kTypeAt = 64, kDataOffsetAt = 65, kDataSizeAt = 69, kNextAt = 73;

class ScratchFolder {
 public:
  QString Path(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
};
