#include "app/painthandoff.h"

#include <QStandardPaths>
#include <QStringList>

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

extern char** environ;
#endif

std::string WindowsPaintCommandLine(const std::string& file) {
  return "mspaint.exe \"" + file + "\"";
}

QString PaintProgram() {
  const QStringList candidates{QStringLiteral("kolourpaint"), QStringLiteral("pinta"),
                               QStringLiteral("gimp"), QStringLiteral("mtpaint"),
                               QStringLiteral("xdg-open")};
  for (const QString& name : candidates) {
    const QString found = QStandardPaths::findExecutable(name);
    if (!found.isEmpty()) return found;
  }
  return QString();
}

#ifdef _WIN32

int StartPaintProgram(const std::string& file) {
  std::string commandLine = WindowsPaintCommandLine(file);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return static_cast<int>(GetLastError());
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

#else

int StartPaintProgram(const std::string& file) {
  const QByteArray program = PaintProgram().toLocal8Bit();
  if (program.isEmpty()) return ENOENT;
  std::string programText = program.toStdString();
  std::string fileText = file;
  char* arguments[] = {programText.data(), fileText.data(), nullptr};
  pid_t child = 0;
  const int failure = posix_spawn(&child, programText.c_str(), nullptr, nullptr, arguments, environ);
  if (failure != 0) return failure;
  // The paint program lives on its own; its end is collected so that it leaves no zombie.
  std::thread([child] { waitpid(child, nullptr, 0); }).detach();
  return 0;
}

#endif
