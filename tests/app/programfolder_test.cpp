#include "app/programfolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(ProgramFolderTest, BesideTheExecutableElseTheInstalledDataFolder) {
  QTemporaryDir root;
  ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("bin")));
  ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("share/graphitine")));
  const std::filesystem::path bin = root.filePath(QStringLiteral("bin")).toStdString();
  const std::filesystem::path share =
      root.filePath(QStringLiteral("share/graphitine")).toStdString();

  EXPECT_EQ(ProgramFolderFor(bin), share);
  QFile start(QString::fromStdString((bin / "J.jpg").string()));
  ASSERT_TRUE(start.open(QIODevice::WriteOnly));
  start.close();
  EXPECT_EQ(ProgramFolderFor(bin), bin);
  // Without either, the executable's folder (where a missing start picture is reported).
  EXPECT_EQ(ProgramFolderFor("/nonexistent/bin"), std::filesystem::path("/nonexistent/bin"));
}

}  // namespace
