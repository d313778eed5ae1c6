// The desktop's hand-off: xdg-email --subject ... --body ... [--attach file].
#ifndef _WIN32
#include <string>
#include <vector>

#include "app/mail/sendmail.h"
#include "app/startprogram.h"

unsigned long SendMail(const MailMessage& message, QWidget*) {
  std::vector<std::string> arguments{"--subject", message.subject.toStdString(), "--body",
                                     message.noteText.toStdString()};
  if (message.fileCount == 1) {
    arguments.insert(arguments.end(), {"--attach", message.file.pathName.toStdString()});
  }
  const QString program = FindProgram({QStringLiteral("xdg-email")});
  return StartDetached(program, arguments) == 0 ? 0 : kMailUnavailable;
}
#endif
