#include "skin/look/filethememgr.h"

#include <QBuffer>
#include <QFileInfo>

#include "skin/look/themefilereader.h"

namespace {

QString ItemName(int index) { return QString::fromLatin1(SkinEntryName(index)); }

}  // namespace

TSkinFileThemeMgr::TSkinFileThemeMgr() = default;
TSkinFileThemeMgr::~TSkinFileThemeMgr() = default;

bool TSkinFileThemeMgr::LoadFromFile(const QString& fileName) {
  if (!QFileInfo(fileName).isFile()) return false;
  reader_ = std::make_unique<TSkinThemeFileReader>(fileName);
  decoded_.clear();
  return true;
}

void TSkinFileThemeMgr::LoadFromData(const QByteArray& bytes, const QString& fileName) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  reader_ = std::make_unique<TSkinThemeFileReader>(buffer, fileName);
  decoded_.clear();
}

void TSkinFileThemeMgr::GetBitmap(int index, QImage* bitmap) const {
  if (reader_ == nullptr || bitmap == nullptr || ItemName(index).isEmpty()) return;
  auto cached = decoded_.constFind(index);
  if (cached == decoded_.cend()) {
    // Decoded once per loaded file; a picture that does not decode is remembered as null.
    const QByteArray* file = reader_->GetFile(ItemName(index));
    QImage decoded;
    if (file != nullptr) decoded.loadFromData(*file);
    cached = decoded_.insert(index, decoded);
  }
  if (!cached->isNull()) *bitmap = *cached;
}

TColor TSkinFileThemeMgr::GetColor(int index) const { return static_cast<TColor>(GetInt(index)); }

int TSkinFileThemeMgr::GetInt(int index) const {
  if (reader_ == nullptr) return 0;
  if (ItemName(index).isEmpty()) return -1;
  return reader_->GetInteger(ItemName(index));
}

bool TSkinFileThemeMgr::GetBool(int index) const {
  return reader_ != nullptr && !ItemName(index).isEmpty() && reader_->GetBool(ItemName(index));
}
