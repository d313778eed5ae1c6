// The theme file layout as written, and reading it back.
#include "skin/look/themefileformat.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QStringList>

#include "skin/base/error.h"
#include "skin/look/themefilereader.h"
#include "skin/look/themefilewriter.h"
#include "tests/skin/support/themefilebytes.h"

namespace {

class ThemeFileFormat : public ::testing::Test {
 protected:
  ScratchFolder folder;
  const QString file = folder.Path(QStringLiteral("look.skin"));
};

const QByteArray kHeader =
    QByteArray("GSKINTHEME\0\0", 12) + QByteArray("\x18\0\0\0\x01\0\0\0\x18\0\0\0", 12);

QByteArray Terminator() {
  QByteArray terminator(77, '\0');
  terminator[kTypeAt] = 2;
  return terminator;
}

TEST_F(ThemeFileFormat, EmptyWriterGivesHeaderAndTerminator) {
  TSkinThemeFileWriter(file).Save();
  const QByteArray bytes = ReadBytes(file);
  ASSERT_EQ(bytes.size(), 101);
  EXPECT_EQ(bytes.left(24), kHeader);
  EXPECT_EQ(bytes.mid(24), Terminator());

  const TSkinThemeFileReader reader(file);
  EXPECT_EQ(reader.PictureCount() + reader.IntegerCount() + reader.BoolCount() + reader.StrCount(),
            0);
}

TEST_F(ThemeFileFormat, DestructorSaves) {
  { TSkinThemeFileWriter writer(file); }
  EXPECT_EQ(ReadBytes(file).size(), 101);
}

TEST_F(ThemeFileFormat, SingleIntegerRecordSitsBetweenHeaderAndTerminator) {
  {
    TSkinThemeFileWriter writer(file);
    writer.AddInteger(QStringLiteral("FormBorderWidthInt"), 3);
  }
  const QByteArray bytes = ReadBytes(file);
  ASSERT_EQ(bytes.size(), 24 + 77 + 4 + 77);
  const QByteArray record = bytes.mid(24, 77);
  QByteArray name("FormBorderWidthInt");
  name.append(64 - name.size(), '\0');
  EXPECT_EQ(record.left(64), name);
  EXPECT_EQ(record[kTypeAt], 1);
  EXPECT_EQ(Int32At(record, kDataOffsetAt), 101);
  EXPECT_EQ(Int32At(record, kDataSizeAt), 4);
  EXPECT_EQ(Int32At(record, kNextAt), 105);
  EXPECT_EQ(bytes.mid(101, 4), QByteArray("\x03\0\0\0", 4));
  EXPECT_EQ(bytes.mid(105), Terminator());
  EXPECT_EQ(TSkinThemeFileReader(file).GetInteger(QStringLiteral("FormBorderWidthInt")), 3);
}

TEST_F(ThemeFileFormat, RecordsComeInGroupsPicturesStringsIntegersBooleans) {
  {
    TSkinThemeFileWriter writer(file);
    writer.AddBool(QStringLiteral("b1"), true);
    writer.AddInteger(QStringLiteral("i1"), -7);
    writer.AddStr(QStringLiteral("s1"), QStringLiteral("text"));
    writer.AddFileData(QStringLiteral("p1"), QByteArray("abc"));
    writer.AddInteger(QStringLiteral("i2"), 0x7FFFFFFF);
    writer.AddFileData(QStringLiteral("p2"), QByteArray("de"));
    writer.AddBool(QStringLiteral("b2"), false);
  }
  QFile device(file);
  ASSERT_TRUE(device.open(QIODevice::ReadOnly));
  QStringList order;
  std::int64_t expectedOffset = 24;
  ReadSkinThemeRecords(device, file, [&](const SkinThemeRecord& record) {
    order << QStringLiteral("%1:%2").arg(record.name).arg(record.type);
    EXPECT_EQ(record.offset, expectedOffset);
    EXPECT_EQ(record.dataOffset, record.offset + 77);
    EXPECT_EQ(record.next, record.dataOffset + record.dataSize);
    expectedOffset = record.next;
  });
  EXPECT_EQ(order.join(' '), QStringLiteral("p1:0 p2:0 s1:3 i1:1 i2:1 b1:2 b2:2"));

  const TSkinThemeFileReader reader(file);
  EXPECT_EQ(*reader.GetFile(QStringLiteral("p1")), QByteArray("abc"));
  EXPECT_EQ(reader.GetStr(QStringLiteral("s1")), QStringLiteral("text"));
  EXPECT_EQ(reader.GetInteger(QStringLiteral("i1")), -7);
  EXPECT_EQ(reader.GetInteger(QStringLiteral("i2")), 0x7FFFFFFF);
  EXPECT_TRUE(reader.GetBool(QStringLiteral("b1")));
  EXPECT_FALSE(reader.GetBool(QStringLiteral("b2")));
}

TEST_F(ThemeFileFormat, SixtyFourCharacterNameHasNoTerminatorAndLongerNamesAreCut) {
  const QString name64 = QString(63, QLatin1Char('n')) + QLatin1Char('Z');
  {
    TSkinThemeFileWriter writer(file);
    writer.AddInteger(name64, 64);
    writer.AddInteger(QString(64, QLatin1Char('x')) + QStringLiteral("tail"), 70);
  }
  const QByteArray bytes = ReadBytes(file);
  EXPECT_EQ(bytes.mid(24, 64), name64.toLatin1());
  EXPECT_EQ(bytes[24 + 64], 1) << "the type byte follows the name directly";
  const TSkinThemeFileReader reader(file);
  EXPECT_EQ(reader.GetInteger(name64), 64);
  EXPECT_EQ(reader.GetInteger(QString(64, QLatin1Char('x'))), 70);
}

TEST_F(ThemeFileFormat, NamesAreComparedWithoutCaseAndTheFirstOfTwoWins) {
  {
    TSkinThemeFileWriter writer(file);
    writer.AddInteger(QStringLiteral("FormMinWidthInt"), 130);
    writer.AddInteger(QStringLiteral("FORMMINWIDTHINT"), 999);
    writer.AddBool(QStringLiteral("ButtonTransparentBool"), true);
    writer.AddStr(QStringLiteral("Author"), QStringLiteral("Zhāng 张"));
    writer.AddFileData(QStringLiteral("ButtonImage"), QByteArray("BM"));
  }
  const TSkinThemeFileReader reader(file);
  EXPECT_EQ(reader.GetInteger(QStringLiteral("formminwidthint")), 130);
  EXPECT_TRUE(reader.GetBool(QStringLiteral("BUTTONTRANSPARENTBOOL")));
  EXPECT_EQ(reader.GetStr(QStringLiteral("author")), QStringLiteral("Zhāng 张"));
  ASSERT_NE(reader.GetFile(QStringLiteral("buttonimage")), nullptr);
  EXPECT_EQ(reader.GetInteger(QStringLiteral("Missing")), -1);
  EXPECT_FALSE(reader.GetBool(QStringLiteral("Missing")));
  EXPECT_EQ(reader.GetStr(QStringLiteral("Missing")), QString());
  EXPECT_EQ(reader.GetFile(QStringLiteral("Missing")), nullptr);
}

TEST_F(ThemeFileFormat, AnyNonZeroBooleanByteIsTrue) {
  {
    TSkinThemeFileWriter writer(file);
    writer.AddBool(QStringLiteral("flag"), false);
  }
  QByteArray bytes = ReadBytes(file);
  bytes[101] = 7;
  WriteBytes(file, bytes);
  EXPECT_TRUE(TSkinThemeFileReader(file).GetBool(QStringLiteral("flag")));
}

TEST_F(ThemeFileFormat, PicturesAreCopiedFromTheirSourceFiles) {
  const QString source = folder.Path(QStringLiteral("picture.bin"));
  const QByteArray content("\x00\x01\x02 any bytes \xff", 16);
  WriteBytes(source, content);
  {
    TSkinThemeFileWriter writer(file);
    writer.AddFile(QStringLiteral("ButtonImage"), source);
  }
  EXPECT_EQ(*TSkinThemeFileReader(file).GetFile(QStringLiteral("ButtonImage")), content);
}

TEST_F(ThemeFileFormat, SaveFailuresNameTheFileAndLeaveTheOldFile) {
  TSkinThemeFileWriter(file).Save();
  const QByteArray before = ReadBytes(file);

  TSkinThemeFileWriter missingSource(file);
  const QString source = folder.Path(QStringLiteral("gone.bmp"));
  missingSource.AddFile(QStringLiteral("ButtonImage"), source);
  try {
    missingSource.Save();
    FAIL() << "no error for a missing source";
  } catch (const SkinError& error) {
    EXPECT_EQ(error.fileName(), source);
  }
  EXPECT_EQ(ReadBytes(file), before);

  const QString nowhere = folder.Path(QStringLiteral("no/such/folder/look.skin"));
  TSkinThemeFileWriter unwritable(nowhere);
  try {
    unwritable.Save();
    FAIL() << "no error for a folder that does not exist";
  } catch (const SkinError& error) {
    EXPECT_EQ(error.fileName(), nowhere);
    EXPECT_NE(QString::fromStdString(error.what()).indexOf(nowhere), -1);
  }
}

TEST(IsSkinThemeFile, ChecksTheSignatureUpToItsFirstZeroByte) {
  ScratchFolder folder;
  struct Case {
    const char* what;
    QByteArray bytes;
    bool accepted;
  } cases[] = {
      {"signature, zero, then anything", QByteArray("GSKINTHEME\0\xff\xff\xff\xff\xff", 16), true},
      {"non-zero byte at 10", QByteArray("GSKINTHEMEX\0\0\0\0\0", 16), false},
      {"other signature", QByteArray("GSKINTHEMA\0\0\0\0\0\0", 16), false},
      {"shorter text", QByteArray("GSKINTHEM\0\0\0\0\0\0\0", 16), false},
      {"only 15 bytes", QByteArray("GSKINTHEME\0\0\0\0\0", 15), false},
      {"empty", QByteArray(), false},
  };
  for (const Case& c : cases) {
    const QString path = folder.Path(QStringLiteral("case.skin"));
    WriteBytes(path, c.bytes);
    EXPECT_EQ(IsSkinThemeFile(path), c.accepted) << c.what;
  }
  EXPECT_FALSE(IsSkinThemeFile(folder.Path(QStringLiteral("missing.skin"))));
  EXPECT_FALSE(IsSkinThemeFile(folder.Path(QString())));
}

TEST(SkinThemeFileReader, RefusesAFileWithoutTheSignature) {
  ScratchFolder folder;
  const QString path = folder.Path(QStringLiteral("photo.skin"));
  WriteBytes(path, QByteArray(200, 'x'));
  try {
    TSkinThemeFileReader reader(path);
    FAIL() << "read a file that is no theme file";
  } catch (const SkinError& error) {
    EXPECT_EQ(error.message(), QStringLiteral("Invalid skin file!"));
    EXPECT_EQ(error.fileName(), path);
  }
  EXPECT_THROW(TSkinThemeFileReader(folder.Path(QStringLiteral("missing.skin"))), SkinError);
}

}  // namespace
