#include "skin/look/themefilereader.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include "skin/base/error.h"
#include "skin/look/themefileformat.h"

namespace {

QString Key(const QString& name) { return name.toCaseFolded(); }

template <typename Value>
void KeepFirst(QHash<QString, Value>& table, const QString& key, const Value& value) {
  if (!table.contains(key)) table.insert(key, value);
}

}  // namespace

TSkinThemeFileReader::TSkinThemeFileReader(const QString& fileName) : fileName_(fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    throw SkinError(QCoreApplication::translate("SkinError", "Cannot open file"), fileName);
  }
  Load(file);
}

TSkinThemeFileReader::TSkinThemeFileReader(QIODevice& device, const QString& fileName)
    : fileName_(fileName) {
  Load(device);
}

void TSkinThemeFileReader::Load(QIODevice& device) {
  using namespace SkinThemeFormat;
  ReadSkinThemeRecords(device, fileName_, [this](const SkinThemeRecord& record) {
    const QString key = Key(record.name);
    switch (record.type) {
      case Picture:
        KeepFirst(pictures_, key, record.data);
        break;
      case Integer:
        KeepFirst(integers_, key, qFromLittleEndian<std::int32_t>(record.data.constData()));
        break;
      case Boolean:
        KeepFirst(bools_, key, record.data.at(0) != 0);
        break;
      case String:
        KeepFirst(strings_, key, QString::fromUtf8(record.data));
        break;
      default:
        break;
    }
  });
}

const QByteArray* TSkinThemeFileReader::GetFile(const QString& name) const {
  const auto found = pictures_.constFind(Key(name));
  return found == pictures_.cend() ? nullptr : &found.value();
}

int TSkinThemeFileReader::GetInteger(const QString& name) const {
  return integers_.value(Key(name), -1);
}

bool TSkinThemeFileReader::GetBool(const QString& name) const {
  return bools_.value(Key(name), false);
}

QString TSkinThemeFileReader::GetStr(const QString& name) const {
  return strings_.value(Key(name));
}
