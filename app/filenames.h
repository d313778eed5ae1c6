#pragma once
// File names between the windows (QString) and the core (the system's bytes), in the encoding
// Qt uses for the file system.
#include <QFile>
#include <filesystem>
#include <string>

inline std::string NameOf(const QString& file) { return QFile::encodeName(file).toStdString(); }
inline std::filesystem::path PathOf(const QString& file) { return NameOf(file); }
inline QString FromName(const std::string& name) {
  return QFile::decodeName(QByteArray::fromStdString(name));
}
