#include "app/painthandoff.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

namespace {

TEST(PaintHandOffTest, WindowsCommandLineQuotesTheFile) {
  EXPECT_EQ(WindowsPaintCommandLine("C:\\My Sketches\\a b.jpg"),
            "mspaint.exe \"C:\\My Sketches\\a b.jpg\"");
}

// A search path of stand-in paint programs that note the file they were given.
class PaintProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedPath_ = qgetenv("PATH");
    qputenv("PATH", folder_.path().toLocal8Bit());
  }
  void TearDown() override { qputenv("PATH", savedPath_); }

  void AddProgram(const QString& name) {
    QFile program(folder_.filePath(name));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1.got'\n")
                      .arg(folder_.filePath(name))
                      .toUtf8());
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  QTemporaryDir folder_;
  QByteArray savedPath_;
};

TEST_F(PaintProgramTest, TheFirstPaintProgramFoundOpensTheWholeFileName) {
  AddProgram(QStringLiteral("xdg-open"));
  AddProgram(QStringLiteral("mtpaint"));
  AddProgram(QStringLiteral("gimp"));
  EXPECT_EQ(QFileInfo(PaintProgram()).fileName(), QStringLiteral("gimp"));

  const std::string file = "/tmp/my sketches/a b.jpg";
  ASSERT_EQ(StartPaintProgram(file), 0);
  QFile got(folder_.filePath(QStringLiteral("gimp.got")));
  EXPECT_TRUE(QTest::qWaitFor([&got] { return got.exists() && got.size() > 0; }, 5000));
  ASSERT_TRUE(got.open(QIODevice::ReadOnly));
  EXPECT_EQ(got.readAll().toStdString(), file);
}

TEST_F(PaintProgramTest, WithoutAnyProgramTheErrorCodeSaysNotFound) {
  EXPECT_TRUE(PaintProgram().isEmpty());
  EXPECT_EQ(StartPaintProgram("/tmp/a.jpg"), ENOENT);
}

}  // namespace
