#include "skin/look/themefileformat.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QtEndian>

#include "skin/base/error.h"

namespace SkinThemeFormat {
namespace {

void AppendInt32(QByteArray& bytes, std::int32_t value) {
  char le[4];
  qToLittleEndian(value, le);
  bytes.append(le, 4);
}

}  // namespace

QByteArray EncodeHeader() {
  QByteArray header(kSignature);  // the ten letters, then zero bytes up to the field's size
  header.append(kSignatureSize - header.size(), '\0');
  AppendInt32(header, kHeaderSize);
  AppendInt32(header, kFormatNumber);
  AppendInt32(header, kHeaderSize);  // the first record follows the header
  return header;
}

QByteArray EncodeRecord(const QString& name, std::uint8_t type, std::int32_t dataOffset,
                        std::int32_t dataSize, std::int32_t next) {
  QByteArray record = name.toLatin1().left(kNameSize);
  record.append(kNameSize - record.size(), '\0');
  record.append(static_cast<char>(type));
  AppendInt32(record, dataOffset);
  AppendInt32(record, dataSize);
  AppendInt32(record, next);
  return record;
}

QByteArray EncodeTerminator() { return EncodeRecord(QString(), Boolean, 0, 0, 0); }

bool HasSignature(const QByteArray& head) {
  if (head.size() < 16) return false;
  return QByteArray(head.constData(), qstrnlen(head.constData(), kSignatureSize)) == kSignature;
}

}  // namespace SkinThemeFormat

namespace {

using namespace SkinThemeFormat;

QString DecodeName(const QByteArray& record) {
  return QString::fromLatin1(record.constData(), qstrnlen(record.constData(), kNameSize));
}

// `problem`, untranslated, holds %1 for the record's name.
[[noreturn]] void Damaged(const char* problem, const QString& name, const QString& fileName) {
  throw SkinError(QCoreApplication::translate("SkinError", problem).arg(name), fileName);
}

constexpr const char* kCutShort =
    QT_TRANSLATE_NOOP("SkinError", "Damaged skin file: the data of \"%1\" is cut short");

// Reads `size` bytes at `offset`, refusing anything that reaches past the device's end.
QByteArray ReadData(QIODevice& device, std::int64_t offset, std::int64_t size,
                    const SkinThemeRecord& record, const QString& fileName) {
  const std::int64_t total = device.size();
  if (size < 0)
    Damaged(QT_TRANSLATE_NOOP("SkinError", "Damaged skin file: \"%1\" has a negative data size"),
            record.name, fileName);
  if (offset < 0 || offset > total || size > total - offset) {
    Damaged(kCutShort, record.name, fileName);
  }
  if (!device.seek(offset)) Damaged(kCutShort, record.name, fileName);
  QByteArray data = device.read(size);
  if (data.size() != size) Damaged(kCutShort, record.name, fileName);
  return data;
}

}  // namespace

void ReadSkinThemeRecords(QIODevice& device, const QString& fileName,
                          const std::function<void(const SkinThemeRecord&)>& visit) {
  if (!device.seek(0) || !HasSignature(device.peek(16))) {
    throw SkinError(QCoreApplication::translate("SkinError", "Invalid skin file!"), fileName);
  }
  // The header may say it is longer than the fields known here; a shorter one gives no first
  // record.
  const QByteArray header = device.read(kHeaderSize);
  if (header.size() < kHeaderSize ||
      qFromLittleEndian<std::int32_t>(header.constData() + 12) < kHeaderSize) {
    return;
  }
  const std::int64_t total = device.size();
  std::int64_t budget = total;  // sound records never hold more data than the file
  std::int64_t offset = qFromLittleEndian<std::int32_t>(header.constData() + 20);
  while (offset >= 0 && offset <= total - kRecordSize && device.seek(offset)) {
    const QByteArray raw = device.read(kRecordSize);
    if (raw.size() < kRecordSize) return;
    SkinThemeRecord record;
    record.offset = offset;
    record.name = DecodeName(raw);
    record.type = static_cast<std::uint8_t>(raw.at(kNameSize));
    record.dataOffset = qFromLittleEndian<std::int32_t>(raw.constData() + kNameSize + 1);
    record.dataSize = qFromLittleEndian<std::int32_t>(raw.constData() + kNameSize + 5);
    record.next = qFromLittleEndian<std::int32_t>(raw.constData() + kNameSize + 9);
    if (record.next == 0) return;
    switch (record.type) {
      case Picture:
      case String:
        if (record.dataSize > budget) {
          Damaged(
              QT_TRANSLATE_NOOP("SkinError",
                                "Damaged skin file: \"%1\" claims more data than the file holds"),
              record.name, fileName);
        }
        record.data = ReadData(device, record.dataOffset, record.dataSize, record, fileName);
        budget -= record.dataSize;
        break;
      case Integer:  // fixed sizes, whatever the size field says
        record.data = ReadData(device, record.dataOffset, 4, record, fileName);
        break;
      case Boolean:
        record.data = ReadData(device, record.dataOffset, 1, record, fileName);
        break;
      default:
        break;
    }
    visit(record);
    // A next record inside this one (or before it) would start a loop.
    if (record.next < offset + kRecordSize) return;
    offset = record.next;
  }
}

bool IsSkinThemeFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return false;
  return SkinThemeFormat::HasSignature(file.read(16));
}
