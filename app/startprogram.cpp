#include "app/startprogram.h"

#include <QFile>
#include <QStandardPaths>

#ifndef _WIN32
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

extern char** environ;
#endif

QString FindProgram(const QStringList& names) {
  for (const QString& name : names) {
    const QString found = QStandardPaths::findExecutable(name);
    if (!found.isEmpty()) return found;
  }
  return QString();
}

#ifndef _WIN32

int StartDetached(const QString& program, const std::vector<std::string>& arguments) {
  if (program.isEmpty()) return ENOENT;
  std::string programText = QFile::encodeName(program).toStdString();
  std::vector<std::string> texts = arguments;
  std::vector<char*> argv{programText.data()};
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  const int failure =
      posix_spawn(&child, programText.c_str(), nullptr, nullptr, argv.data(), environ);
  if (failure != 0) return failure;
  // The program's end is collected so that it leaves no zombie.
  std::thread([child] { waitpid(child, nullptr, 0); }).detach();
  return 0;
}

#endif
