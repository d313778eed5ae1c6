#pragma once
// The theme file layout. All integers are little-endian, offsets absolute:
//
//   header (24 bytes)  "GSKINTHEME\0\0", header size 24, format 1, offset of the first record
//   record (77 bytes)  name (64 bytes, zero-padded, no terminator at 64 characters), type byte,
//                      data offset, data size, next-record offset; its data follows it
//   terminator         a record of zeros but for type 2; a next-record offset of 0 ends the list
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

class QIODevice;

namespace SkinThemeFormat {
constexpr int kHeaderSize = 24;
constexpr int kSignatureSize = 12;
constexpr int kRecordSize = 77;
constexpr int kNameSize = 64;
constexpr std::int32_t kFormatNumber = 1;
constexpr char kSignature[] = "GSKINTHEME";

enum RecordType : std::uint8_t { Picture = 0, Integer = 1, Boolean = 2, String = 3 };

QByteArray EncodeHeader();
// name is cut to 64 characters.
QByteArray EncodeRecord(const QString& name, std::uint8_t type, std::int32_t dataOffset,
                        std::int32_t dataSize, std::int32_t next);
QByteArray EncodeTerminator();
// The first 12 bytes, read as text up to the first zero byte, are "GSKINTHEME"; at least 16
// bytes must be there.
bool HasSignature(const QByteArray& head);
}  // namespace SkinThemeFormat

// One record as read: its header fields and its data (pictures and strings: data-size bytes;
// integers: 4 bytes; booleans: 1 byte; other types: none).
struct SkinThemeRecord {
  std::int64_t offset = 0;
  QString name;
  std::uint8_t type = 0;
  std::int32_t dataOffset = 0;
  std::int32_t dataSize = 0;
  std::int32_t next = 0;
  QByteArray data;
};

// Walks the record chain of an open, seekable device, calling visit for every record before the
// one that ends the list. The walk stops at a record header that cannot be read completely and
// after a record whose next offset does not lie beyond its own header, so it always ends. Data
// that reaches past the end of the device, or more data than the device holds in all, raises
// SkinError naming fileName, before anything is allocated for it.
void ReadSkinThemeRecords(QIODevice& device, const QString& fileName,
                          const std::function<void(const SkinThemeRecord&)>& visit);

// The file exists, can be read and passes HasSignature.
bool IsSkinThemeFile(const QString& fileName);
