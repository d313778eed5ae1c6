#include "app/painthandoff.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <cerrno>

#include "support/fakeprograms.h"

namespace {

TEST(PaintHandOffTest, WindowsCommandLineQuotesTheFile) {
  EXPECT_EQ(WindowsPaintCommandLine("C:\\My Sketches\\a b.jpg"),
            "mspaint.exe \"C:\\My Sketches\\a b.jpg\"");
}

using PaintProgramTest = FakeProgramsTest;

TEST_F(PaintProgramTest, TheFirstPaintProgramFoundOpensTheWholeFileName) {
  AddProgram(QStringLiteral("xdg-open"));
  AddProgram(QStringLiteral("mtpaint"));
  AddProgram(QStringLiteral("gimp"));
  EXPECT_EQ(QFileInfo(PaintProgram()).fileName(), QStringLiteral("gimp"));

  const std::string file = "/tmp/my sketches/a b.jpg";
  ASSERT_EQ(StartPaintProgram(file), 0);
  EXPECT_EQ(ArgumentsOf(QStringLiteral("gimp")),
            QList<QByteArray>{QByteArray::fromStdString(file)});
}

TEST_F(PaintProgramTest, WithoutAnyProgramTheErrorCodeSaysNotFound) {
  EXPECT_TRUE(PaintProgram().isEmpty());
  EXPECT_EQ(StartPaintProgram("/tmp/a.jpg"), ENOENT);
}

}  // namespace
