#include "app/painthandoff.h"

#include "app/startprogram.h"

#ifdef _WIN32
#include <windows.h>
#endif

std::string WindowsPaintCommandLine(const std::string& file) {
  return "mspaint.exe \"" + file + "\"";
}

QString PaintProgram() {
  return FindProgram({QStringLiteral("kolourpaint"), QStringLiteral("pinta"),
                      QStringLiteral("gimp"), QStringLiteral("mtpaint"),
                      QStringLiteral("xdg-open")});
}

#ifdef _WIN32

int StartPaintProgram(const std::string& file, QObject*, std::function<void(const QString&, int)>) {
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

int StartPaintProgram(const std::string& file, QObject* receiver,
                      std::function<void(const QString& program, int status)> failed) {
  const QString program = PaintProgram();
  return StartDetached(program, {file}, receiver, [program, failed](int status) {
    if (status != 0 && failed) failed(program, status);
  });
}

#endif
