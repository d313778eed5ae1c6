// graphitine: the program's entry point. It reads the command line, puts the windows' language
// in place, creates the main window and runs until that window closes. Whatever escapes is
// shown in the program's message box; the program still ends with 0.
#include <QLocale>
#include <QtGlobal>
#include <cstdlib>
#include <exception>

#include "app/application.h"
#include "app/commandline.h"
#include "app/language.h"
#include "app/mainwindow/oldform.h"
#include "app/programfolder.h"
#include "app/stallwatchdog.h"

int main(int argc, char** argv) {
  TCommandLine commandLine;
  // Help and version print on a terminal without a display too: they open no window.
  if (commandLine.AsksForTextOnly(argc, argv)) qputenv("QT_QPA_PLATFORM", "offscreen");
  TGraphitineApplication application(argc, argv);
  if (!commandLine.Process(TGraphitineApplication::arguments())) return EXIT_FAILURE;
  UseLanguage(commandLine.Language().value_or(LanguageFor(QLocale::system())));
  try {
    TOldForm window(ProgramFolder(), commandLine.Photo());
    window.show();
    StallWatchdog::InstallFromEnvironment(&application);
    TGraphitineApplication::exec();
  } catch (const std::exception& error) {
    ReportError(QString::fromUtf8(error.what()));
  } catch (...) {
    ReportError(QString());
  }
  return 0;
}
