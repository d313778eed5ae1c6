#include "app/mail/mailmessage.h"

#include <QFile>

MailMessage BuildMailMessage(const QString& subject, const QStringList& bodyLines, bool attach,
                             const QString& attachmentPath) {
  MailMessage message;
  message.subject = subject.toLocal8Bit();
  for (const QString& line : bodyLines) message.noteText += line.toLocal8Bit() + "\r\n";
  if (attach && !attachmentPath.isEmpty()) {
    message.fileCount = 1;
    message.file.position = static_cast<long>(message.noteText.size()) - 1;
    message.file.pathName = QFile::encodeName(attachmentPath);
  }
  return message;
}
