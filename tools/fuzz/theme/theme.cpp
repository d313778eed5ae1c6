// Feeds arbitrary bytes to the theme file reader: it must end, stay inside the buffer, take no
// more data than the buffer holds, and fail only with SkinError.
#include <QBuffer>
#include <QStringList>
#include <cstddef>
#include <cstdint>

#include "skin/base/error.h"
#include "skin/look/themefileformat.h"
#include "skin/look/themefilereader.h"
#include "tools/fuzz/check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  try {
    const auto total = static_cast<std::int64_t>(size);
    std::int64_t previous = -1, taken = 0;
    QStringList names;
    ReadSkinThemeRecords(buffer, QStringLiteral("fuzz"), [&](const SkinThemeRecord& record) {
      // The chain only moves forward, every header lies inside the buffer, and pictures and
      // strings together hold no more than the buffer.
      FUZZ_CHECK(record.offset >= previous + SkinThemeFormat::kRecordSize || previous < 0);
      FUZZ_CHECK(record.offset + SkinThemeFormat::kRecordSize <= total);
      if (record.type == SkinThemeFormat::Picture || record.type == SkinThemeFormat::String) {
        taken += record.data.size();
      }
      FUZZ_CHECK(taken <= total);
      previous = record.offset;
      names << record.name.toUpper();
    });
    const TSkinThemeFileReader reader(buffer, QStringLiteral("fuzz"));
    for (const QString& name : names) {
      if (const QByteArray* picture = reader.GetFile(name))
        FUZZ_CHECK(picture->size() <= bytes.size());
      reader.GetInteger(name);
      reader.GetBool(name);
      reader.GetStr(name);
    }
  } catch (const SkinError&) {
  }
  return 0;
}
