// graphitine: the program's entry point. It creates the main window and runs until that window
// closes. Whatever escapes is shown in the program's message box; the program still ends with 0.
#include <cstdio>
#include <exception>

#include "app/application.h"
#include "app/mainwindow/oldform.h"
#include "app/programfolder.h"

int main(int argc, char** argv) {
  TGraphitineApplication application(argc, argv);
  try {
    TOldForm window(ProgramFolder());
    window.show();
    TGraphitineApplication::exec();
  } catch (const std::exception& error) {
    ReportError(QString::fromUtf8(error.what()));
  } catch (...) {
    ReportError(QString());
  }
  return 0;
}
