#include "skin/look/themeexport.h"

#include <QBuffer>
#include <QImage>
#include <QMetaEnum>
#include <QtEndian>

#include "skin/look/themefilewriter.h"

namespace {

QByteArray Bmp24(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
  return bytes;
}

constexpr TSkinUIStyle kInsideStyles[] = {TSkinUIStyle::MacOS, TSkinUIStyle::WinXP,
                                          TSkinUIStyle::DeepBlue, TSkinUIStyle::Protein,
                                          TSkinUIStyle::BlueGlass};

const char* StyleName(TSkinUIStyle style) {
  return QMetaEnum::fromType<TSkinUIStyle>().valueToKey(static_cast<int>(style));
}

}  // namespace

int ExportInsideTheme(TSkinUIStyle style, const QString& fileName) {
  TSkinThemeFileWriter writer(fileName);
  int written = 0;
  for (int entry = 1; entry <= kSkinThemeEntryCount; ++entry) {
    const QString name = QString::fromLatin1(SkinEntryName(entry));
    switch (SkinEntryKind(entry)) {
      case skinItemBitmap: {
        QImage picture;
        GetInsideThemeBitmap(style, entry, &picture);
        if (picture.isNull()) continue;
        writer.AddFileData(name, Bmp24(picture));
        break;
      }
      case skinItemColor:
        writer.AddInteger(name, static_cast<std::int32_t>(GetInsideThemeColor(style, entry)));
        break;
      case skinItemInt:
        writer.AddInteger(name, GetInsideThemeInt(style, entry));
        break;
      case skinItemBool:
        writer.AddBool(name, GetInsideThemeBool(style, entry));
        break;
      default:
        continue;
    }
    ++written;
  }
  writer.Save();
  return written;
}

bool InsideStyleFromName(const QString& name, TSkinUIStyle* style) {
  for (TSkinUIStyle candidate : kInsideStyles) {
    if (name.compare(QLatin1String(StyleName(candidate)), Qt::CaseInsensitive) == 0) {
      *style = candidate;
      return true;
    }
  }
  return false;
}

QString DescribeSkinThemeRecord(const SkinThemeRecord& record) {
  using namespace SkinThemeFormat;
  QString type, value;
  switch (record.type) {
    case Picture: {
      type = QStringLiteral("picture");
      QImage image;
      value = image.loadFromData(record.data)
                  ? QStringLiteral("%1x%2 image").arg(image.width()).arg(image.height())
                  : QStringLiteral("not a picture");
      break;
    }
    case Integer: {
      type = QStringLiteral("integer");
      const auto number = qFromLittleEndian<std::int32_t>(record.data.constData());
      value = QStringLiteral("%1 (0x%2)")
                  .arg(number)
                  .arg(static_cast<std::uint32_t>(number), 8, 16, QLatin1Char('0'));
      break;
    }
    case Boolean:
      type = QStringLiteral("boolean");
      value = record.data.at(0) != 0 ? QStringLiteral("True") : QStringLiteral("False");
      break;
    case String:
      type = QStringLiteral("string");
      value = QLatin1Char('"') + QString::fromUtf8(record.data) + QLatin1Char('"');
      break;
    default:
      type = QStringLiteral("type %1").arg(record.type);
      value = QStringLiteral("(skipped)");
      break;
  }
  return QStringLiteral("%1  %2  %3  %4  %5  %6")
      .arg(record.offset, 8)
      .arg(type, -8)
      .arg(record.dataOffset, 8)
      .arg(record.dataSize, 8)
      .arg(record.name, -34)
      .arg(value);
}
