#pragma once
// The program's application object. Handlers that can fail catch their own errors
// (guardedhandler.h); an exception that still leaves an event handler ends here, as the last
// guard, in the general error report, and the program goes on. The skin library's errors go to
// the same report.
#include <QApplication>

class TGraphitineApplication : public QApplication {
  Q_OBJECT
 public:
  TGraphitineApplication(int& argc, char** argv);
  ~TGraphitineApplication() override;

  bool notify(QObject* receiver, QEvent* event) override;
};

// The general error report: shows the text in the program's message box.
void ReportError(const QString& text);
