// The desktop's hand-off: xdg-email --subject ... --body ... [--attach file].
#ifndef _WIN32
#include <QCoreApplication>
#include <cstring>
#include <string>
#include <vector>

#include "app/mail/sendmail.h"
#include "app/startprogram.h"

unsigned long SendMail(const MailMessage& message, QWidget*, QObject* receiver,
                       MailOutcome outcome) {
  std::vector<std::string> arguments{"--subject", message.subject.toStdString(), "--body",
                                     message.noteText.toStdString()};
  if (message.fileCount == 1) {
    arguments.insert(arguments.end(), {"--attach", message.file.pathName.toStdString()});
  }
  const QString program = FindProgram({QStringLiteral("xdg-email")});
  const int failure = StartDetached(program, arguments, receiver, [program, outcome](int status) {
    if (outcome) outcome(status == 0 ? QString() : ProgramFailure(program, status));
  });
  if (failure == 0) return 0;
  if (outcome) {
    outcome(program.isEmpty() ? QCoreApplication::translate("SendMail", "找不到 xdg-email")
                              : QCoreApplication::translate("SendMail", "xdg-email 无法启动: %1")
                                    .arg(QString::fromLocal8Bit(std::strerror(failure))));
  }
  return kMailUnavailable;
}
#endif
