#pragma once
// The program's application object. An exception that leaves an event handler ends in the
// general error report, a message box with the exception's text, and the program goes on.
#include <QApplication>

class TGraphitineApplication : public QApplication {
  Q_OBJECT
 public:
  TGraphitineApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

// The general error report: shows the text in the program's message box.
void ReportError(const QString& text);
