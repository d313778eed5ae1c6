#pragma once
// A search path holding only stand-in programs of the test's own, which note the arguments
// they were started with instead of doing their work.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

class FakeProgramsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Puts a program of that name on the search path.
  void AddProgram(const QString& name);
  // The arguments the program was started with, once it has noted them (empty when it was not
  // started within a few seconds).
  QList<QByteArray> ArgumentsOf(const QString& name) const;
  // Whether the program was started (looks once, without waiting).
  bool Started(const QString& name) const;

  QTemporaryDir folder_;

 private:
  QByteArray savedPath_;
};
