#include "skin/look/themefilewriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <limits>

#include "skin/base/error.h"
#include "skin/look/themefileformat.h"

using namespace SkinThemeFormat;

TSkinThemeFileWriter::TSkinThemeFileWriter(const QString& fileName) : fileName_(fileName) {}

TSkinThemeFileWriter::~TSkinThemeFileWriter() {
  if (!pending_) return;
  try {
    Save();
  } catch (const SkinError& error) {
    qWarning("%s", error.what());
  }
}

void TSkinThemeFileWriter::AddFile(const QString& name, const QString& sourceFile) {
  pictures_.push_back({name, sourceFile, {}});
  pending_ = true;
}

void TSkinThemeFileWriter::AddFileData(const QString& name, const QByteArray& bytes) {
  pictures_.push_back({name, {}, bytes});
  pending_ = true;
}

void TSkinThemeFileWriter::AddInteger(const QString& name, std::int32_t value) {
  integers_.push_back({name, value});
  pending_ = true;
}

void TSkinThemeFileWriter::AddBool(const QString& name, bool value) {
  bools_.push_back({name, value});
  pending_ = true;
}

void TSkinThemeFileWriter::AddStr(const QString& name, const QString& value) {
  strings_.push_back({name, value});
  pending_ = true;
}

namespace {

// Appends one record and its data to the file image.
void AppendRecord(QByteArray& image, const QString& name, std::uint8_t type, const QByteArray& data,
                  const QString& fileName) {
  const qint64 dataOffset = image.size() + kRecordSize;
  if (dataOffset + data.size() > std::numeric_limits<std::int32_t>::max()) {
    throw SkinError(QCoreApplication::translate("SkinError", "Theme file too large"), fileName);
  }
  const auto offset = static_cast<std::int32_t>(dataOffset);
  const auto size = static_cast<std::int32_t>(data.size());
  image += EncodeRecord(name, type, offset, size, offset + size);
  image += data;
}

QByteArray Int32Bytes(std::int32_t value) {
  QByteArray bytes(4, '\0');
  qToLittleEndian(value, bytes.data());
  return bytes;
}

}  // namespace

void TSkinThemeFileWriter::Save() {
  pending_ = false;  // a failure is reported here, not again by the destructor
  QByteArray image = EncodeHeader();
  for (const PictureEntry& picture : pictures_) {
    QByteArray bytes = picture.bytes;
    if (!picture.sourceFile.isEmpty()) {
      QFile source(picture.sourceFile);
      if (!source.open(QIODevice::ReadOnly)) {
        throw SkinError(QCoreApplication::translate("SkinError", "Cannot open file"),
                        picture.sourceFile);
      }
      bytes = source.readAll();
      if (source.error() != QFileDevice::NoError) {
        throw SkinError(QCoreApplication::translate("SkinError", "Cannot read file"),
                        picture.sourceFile);
      }
    }
    AppendRecord(image, picture.name, Picture, bytes, fileName_);
  }
  for (const auto& entry : strings_)
    AppendRecord(image, entry.name, String, entry.value.toUtf8(), fileName_);
  for (const auto& entry : integers_)
    AppendRecord(image, entry.name, Integer, Int32Bytes(entry.value), fileName_);
  for (const auto& entry : bools_) {
    AppendRecord(image, entry.name, Boolean, QByteArray(1, entry.value ? '\1' : '\0'), fileName_);
  }
  image += EncodeTerminator();

  QSaveFile file(fileName_);
  if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit()) {
    throw SkinError(QCoreApplication::translate("SkinError", "Cannot write file"), fileName_);
  }
}
