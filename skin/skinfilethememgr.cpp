#include "skin/skinfilethememgr.h"

#include <QBuffer>
#include <QFileInfo>

#include "skin/skinthemefilereader.h"

namespace {

QString ItemName(int index) {
  if (index < 1 || index > kSkinThemeEntryCount) return QString();
  return QString::fromLatin1(SKIN_FILETHEME_ITEMNAME[index]);
}

}  // namespace

TSkinFileThemeMgr::TSkinFileThemeMgr() = default;
TSkinFileThemeMgr::~TSkinFileThemeMgr() = default;

bool TSkinFileThemeMgr::LoadFromFile(const QString& fileName) {
  if (!QFileInfo(fileName).isFile()) return false;
  reader_ = std::make_unique<TSkinThemeFileReader>(fileName);
  return true;
}

void TSkinFileThemeMgr::LoadFromData(const QByteArray& bytes, const QString& fileName) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  reader_ = std::make_unique<TSkinThemeFileReader>(buffer, fileName);
}

void TSkinFileThemeMgr::GetBitmap(int index, QImage* bitmap) const {
  if (reader_ == nullptr || bitmap == nullptr || ItemName(index).isEmpty()) return;
  const QByteArray* file = reader_->GetFile(ItemName(index));
  if (file == nullptr) return;
  QImage decoded;
  if (decoded.loadFromData(*file)) *bitmap = decoded;
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
