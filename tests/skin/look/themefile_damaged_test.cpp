// Damaged theme files: the reader always ends, never reads past the end, and names the file when
// data is cut short.
#include <gtest/gtest.h>

#include <QBuffer>
#include <functional>

#include "skin/base/error.h"
#include "skin/look/themefilereader.h"
#include "skin/look/themefilewriter.h"
#include "tests/skin/support/themefilebytes.h"

namespace {

// Layout of the good file:
//   24  picture "ButtonImage", data 101..140, next 141
//   141 integer "FormMinWidthInt" = 130, data 218..221, next 222
//   222 boolean "ButtonTransparentBool" = True, data 299, next 300
//   300 terminator; 377 bytes in all
constexpr int kPicture = 24, kInteger = 141, kBoolean = 222, kSize = 377;

QByteArray GoodFile(const ScratchFolder& folder) {
  const QString path = folder.Path(QStringLiteral("good.skin"));
  {
    TSkinThemeFileWriter writer(path);
    writer.AddFileData(QStringLiteral("ButtonImage"), QByteArray(40, 'p'));
    writer.AddInteger(QStringLiteral("FormMinWidthInt"), 130);
    writer.AddBool(QStringLiteral("ButtonTransparentBool"), true);
  }
  return ReadBytes(path);
}

// Which of the three entries a reader holds: "p", "i", "b" in that order.
std::string Entries(const TSkinThemeFileReader& reader) {
  std::string held;
  if (reader.GetFile(QStringLiteral("ButtonImage")) != nullptr) held += "p";
  if (reader.GetInteger(QStringLiteral("FormMinWidthInt")) == 130) held += "i";
  if (reader.GetBool(QStringLiteral("ButtonTransparentBool"))) held += "b";
  return held;
}

struct Damage {
  const char* what;
  std::function<void(QByteArray&)> patch;
  std::string entries;  // what is read when no error is expected
  const char* error;    // a part of the expected error message, or null
};

const Damage kDamages[] = {
    {"nothing", [](QByteArray&) {}, "pib", nullptr},
    {"next points at its own record",
     [](QByteArray& b) { PutInt32(b, kInteger + kNextAt, kInteger); }, "pi", nullptr},
    {"next points back to the first record",
     [](QByteArray& b) { PutInt32(b, kBoolean + kNextAt, kPicture); }, "pib", nullptr},
    {"next points inside its own header",
     [](QByteArray& b) { PutInt32(b, kPicture + kNextAt, kPicture + 76); }, "p", nullptr},
    {"next is negative", [](QByteArray& b) { PutInt32(b, kPicture + kNextAt, -100); }, "p",
     nullptr},
    {"next lies past the end", [](QByteArray& b) { PutInt32(b, kPicture + kNextAt, 100000); }, "p",
     nullptr},
    {"first record lies past the end", [](QByteArray& b) { PutInt32(b, 20, 5000); }, "", nullptr},
    {"first record offset is negative", [](QByteArray& b) { PutInt32(b, 20, -1); }, "", nullptr},
    {"header size below the known header", [](QByteArray& b) { PutInt32(b, 12, 12); }, "", nullptr},
    {"file ends inside a record header", [](QByteArray& b) { b.truncate(kInteger + 30); }, "p",
     nullptr},
    {"file ends without a terminator", [](QByteArray& b) { b.truncate(300); }, "pib", nullptr},
    {"unknown record type is skipped", [](QByteArray& b) { b[kInteger + kTypeAt] = 9; }, "pb",
     nullptr},
    {"integer size field larger than 4",
     [](QByteArray& b) { PutInt32(b, kInteger + kDataSizeAt, 100); }, "pib", nullptr},
    {"picture cut short", [](QByteArray& b) { b.truncate(120); }, "",
     "the data of \"ButtonImage\" is cut short"},
    {"huge picture size", [](QByteArray& b) { PutInt32(b, kPicture + kDataSizeAt, 0x7FFFFFF0); },
     "", "\"ButtonImage\""},
    {"negative picture size", [](QByteArray& b) { PutInt32(b, kPicture + kDataSizeAt, -5); }, "",
     "negative data size"},
    {"picture data past the end",
     [](QByteArray& b) { PutInt32(b, kPicture + kDataOffsetAt, 10000); }, "", "cut short"},
    {"negative picture data offset",
     [](QByteArray& b) { PutInt32(b, kPicture + kDataOffsetAt, -40); }, "", "cut short"},
    {"integer data past the end",
     [](QByteArray& b) { PutInt32(b, kInteger + kDataOffsetAt, kSize - 2); }, "",
     "the data of \"FormMinWidthInt\" is cut short"},
    {"boolean data past the end",
     [](QByteArray& b) { PutInt32(b, kBoolean + kDataOffsetAt, kSize); }, "", "cut short"},
    {"pictures overlapping beyond the file's size",
     [](QByteArray& b) {
       b[kInteger + kTypeAt] = 0;
       PutInt32(b, kInteger + kDataOffsetAt, 24);
       PutInt32(b, kInteger + kDataSizeAt, kSize - 24);
     },
     "", "more data than the file holds"},
};

TEST(DamagedThemeFile, ReadingEndsAndRefusesDataPastTheEnd) {
  ScratchFolder folder;
  const QByteArray good = GoodFile(folder);
  ASSERT_EQ(good.size(), kSize);
  const QString path = folder.Path(QStringLiteral("damaged.skin"));
  for (const Damage& damage : kDamages) {
    QByteArray bytes = good;
    damage.patch(bytes);
    WriteBytes(path, bytes);
    if (damage.error == nullptr) {
      EXPECT_EQ(Entries(TSkinThemeFileReader(path)), damage.entries) << damage.what;
      continue;
    }
    try {
      TSkinThemeFileReader reader(path);
      ADD_FAILURE() << damage.what << ": no error";
    } catch (const SkinError& error) {
      EXPECT_EQ(error.fileName(), path) << damage.what;
      EXPECT_NE(error.message().indexOf(QString::fromUtf8(damage.error)), -1)
          << damage.what << ": " << error.what();
    }
  }
}

TEST(DamagedThemeFile, MemoryReadsTheSameAsTheFile) {
  ScratchFolder folder;
  const QByteArray good = GoodFile(folder);
  for (const Damage& damage : kDamages) {
    QByteArray bytes = good;
    damage.patch(bytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    if (damage.error == nullptr) {
      EXPECT_EQ(Entries(TSkinThemeFileReader(buffer, QStringLiteral("memory"))), damage.entries)
          << damage.what;
    } else {
      EXPECT_THROW(TSkinThemeFileReader(buffer, QStringLiteral("memory")), SkinError)
          << damage.what;
    }
  }
}

}  // namespace
