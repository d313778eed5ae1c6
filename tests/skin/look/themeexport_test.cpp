// A built-in look written out as a theme file reads back as the same look.
#include "skin/look/themeexport.h"

#include <gtest/gtest.h>

#include "skin/look/filetheme.h"
#include "tests/skin/support/themefilebytes.h"

namespace {

constexpr TSkinUIStyle kInsideStyles[] = {TSkinUIStyle::MacOS, TSkinUIStyle::WinXP,
                                          TSkinUIStyle::DeepBlue, TSkinUIStyle::Protein,
                                          TSkinUIStyle::BlueGlass};

TEST(ExportInsideTheme, FileThemeGivesTheBuiltInLookUps) {
  ScratchFolder folder;
  for (TSkinUIStyle style : kInsideStyles) {
    const QString path = folder.Path(QStringLiteral("look%1.skin").arg(static_cast<int>(style)));
    EXPECT_EQ(ExportInsideTheme(style, path), 45) << "all but the three entries without a picture";
    TSkinFileTheme theme;
    theme.SetThemeFile(path);
    ASSERT_TRUE(theme.CanUse());
    for (int entry = 1; entry <= kSkinThemeEntryCount; ++entry) {
      switch (SkinEntryKind(entry)) {
        case skinItemBitmap: {
          QImage fromFile, builtIn;
          theme.GetBitmap(entry, &fromFile);
          GetInsideThemeBitmap(style, entry, &builtIn);
          ASSERT_EQ(fromFile.isNull(), builtIn.isNull()) << int(style) << " entry " << entry;
          EXPECT_EQ(fromFile.convertToFormat(QImage::Format_RGB32),
                    builtIn.convertToFormat(QImage::Format_RGB32))
              << int(style) << " entry " << entry;
          break;
        }
        case skinItemColor:
          EXPECT_EQ(theme.GetColor(entry), GetInsideThemeColor(style, entry)) << entry;
          break;
        case skinItemInt:
          EXPECT_EQ(theme.GetInt(entry), GetInsideThemeInt(style, entry)) << entry;
          break;
        case skinItemBool:
          EXPECT_EQ(theme.GetBool(entry), GetInsideThemeBool(style, entry)) << entry;
          break;
      }
    }
  }
}

TEST(ExportInsideTheme, HeaderIsExactAndPicturesAre24BitBmpFiles) {
  ScratchFolder folder;
  const QString path = folder.Path(QStringLiteral("macos.skin"));
  ExportInsideTheme(TSkinUIStyle::MacOS, path);
  const QByteArray bytes = ReadBytes(path);
  // An exported file starts with exactly the header: the signature padded with zero bytes to
  // twelve, the header size, the format number and the first record's offset.
  EXPECT_EQ(bytes.left(24), QByteArray("GSKINTHEME\0\0\x18\0\0\0\x01\0\0\0\x18\0\0\0", 24));
  // The first record is ButtonImage; its data starts right after the record header.
  const QByteArray bmp = bytes.mid(24 + 77, Int32At(bytes, 24 + kDataSizeAt));
  ASSERT_TRUE(bmp.startsWith("BM"));
  EXPECT_EQ(qFromLittleEndian<std::uint16_t>(bmp.constData() + 28), 24) << "bits per pixel";
}

TEST(InsideStyleFromName, KnowsTheFiveLooksInAnyCase) {
  TSkinUIStyle style = TSkinUIStyle::FromThemeFile;
  EXPECT_TRUE(InsideStyleFromName(QStringLiteral("blueglass"), &style));
  EXPECT_EQ(style, TSkinUIStyle::BlueGlass);
  EXPECT_TRUE(InsideStyleFromName(QStringLiteral("WinXP"), &style));
  EXPECT_EQ(style, TSkinUIStyle::WinXP);
  EXPECT_FALSE(InsideStyleFromName(QStringLiteral("FromThemeFile"), &style));
  EXPECT_FALSE(InsideStyleFromName(QStringLiteral("Aqua"), &style));
}

TEST(DescribeSkinThemeRecord, ShowsFieldsAndValue) {
  SkinThemeRecord record;
  record.offset = 24;
  record.name = QStringLiteral("FormBorderColor");
  record.type = SkinThemeFormat::Integer;
  record.dataOffset = 101;
  record.dataSize = 4;
  record.next = 105;
  record.data = QByteArray("\x00\x2c\xc8\x00", 4);
  const QString line = DescribeSkinThemeRecord(record);
  for (const char* part : {"24", "integer", "101", "FormBorderColor", "13118464 (0x00c82c00)"}) {
    EXPECT_NE(line.indexOf(QLatin1String(part)), -1) << part << " in " << line.toStdString();
  }
  record.type = 7;
  EXPECT_NE(DescribeSkinThemeRecord(record).indexOf(QLatin1String("type 7")), -1);
}

}  // namespace
