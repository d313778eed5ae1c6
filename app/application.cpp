#include "app/application.h"

#include <exception>

#include "app/messagebox.h"
#include "skin/base/errorreport.h"

TGraphitineApplication::TGraphitineApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Graphitine"));
  setApplicationVersion(QStringLiteral(GRAPHITINE_VERSION));
  setDesktopFileName(QStringLiteral("graphitine"));
  SetSkinErrorHandler(ReportError);
}

TGraphitineApplication::~TGraphitineApplication() { SetSkinErrorHandler({}); }

bool TGraphitineApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ReportError(QString::fromUtf8(error.what()));
  } catch (...) {
    ReportError(QString());
  }
  return false;
}

void ReportError(const QString& text) { ShowMessage(text, QApplication::activeWindow()); }
