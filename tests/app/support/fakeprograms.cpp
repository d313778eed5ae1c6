#include "support/fakeprograms.h"

#include <QFile>
#include <QTest>

namespace {
QString NotesOf(const QTemporaryDir& folder, const QString& name) {
  return folder.filePath(name + QStringLiteral(".got"));
}
}  // namespace

FakePrograms::FakePrograms() {
  EXPECT_TRUE(folder_.isValid());
  savedPath_ = qgetenv("PATH");
  qputenv("PATH", folder_.path().toLocal8Bit());
}

FakePrograms::~FakePrograms() { qputenv("PATH", savedPath_); }

// Each argument is noted followed by a NUL byte; the notes appear complete or not at all.
void FakePrograms::AddProgram(const QString& name, int exitStatus, int seconds) {
  QFile program(folder_.filePath(name));
  ASSERT_TRUE(program.open(QIODevice::WriteOnly));
  program.write(QStringLiteral("#!/bin/sh\n"
                               "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > '%1.part'\n"
                               "/bin/mv '%1.part' '%1'\n"
                               "/bin/sleep %3\n"
                               "exit %2\n")
                    .arg(NotesOf(folder_, name))
                    .arg(exitStatus)
                    .arg(seconds)
                    .toUtf8());
  program.close();
  program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool FakePrograms::Started(const QString& name) const {
  return QFile::exists(NotesOf(folder_, name));
}

QList<QByteArray> FakePrograms::ArgumentsOf(const QString& name) const {
  if (!QTest::qWaitFor([&] { return Started(name); }, 5000)) return {};
  QFile notes(NotesOf(folder_, name));
  if (!notes.open(QIODevice::ReadOnly)) return {};
  QList<QByteArray> arguments = notes.readAll().split('\0');
  arguments.removeLast();  // after the last argument's NUL
  return arguments;
}
