#pragma once
// A search path holding only stand-in programs of the test's own, which note the arguments
// they were started with instead of doing their work, and end with the status they are given.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// The search path is the stand-ins' folder while the object lives.
class FakePrograms {
 public:
  FakePrograms();
  ~FakePrograms();
  FakePrograms(const FakePrograms&) = delete;
  FakePrograms& operator=(const FakePrograms&) = delete;

  // Puts a program of that name on the search path; having noted its arguments, it waits the
  // seconds given and ends with the exit status given.
  void AddProgram(const QString& name, int exitStatus = 0, int seconds = 0);
  // The arguments the program was started with, once it has noted them (empty when it was not
  // started within a few seconds).
  QList<QByteArray> ArgumentsOf(const QString& name) const;
  // Whether the program was started (looks once, without waiting).
  bool Started(const QString& name) const;

  QTemporaryDir folder_;

 private:
  QByteArray savedPath_;
};

class FakeProgramsTest : public ::testing::Test, protected FakePrograms {};
