#pragma once
// The message the send-to-friend dialog hands to the mail client, as plain records that the
// Windows (Simple MAPI) and the desktop (xdg-email) hand-offs both read. Texts are bytes in the
// system's 8-bit encoding, as the mail client receives them.
#include <QByteArray>
#include <QString>
#include <QStringList>

// MAPI_LOGON_UI | MAPI_NEW_SESSION | MAPI_DIALOG: the client logs on as it needs and shows its
// compose window, where the user chooses the recipients.
inline constexpr unsigned long kSendMailFlags = 11;

// The attached file: it takes the place of the body's byte at position (-1 leaves the place to
// the client).
struct MailFile {
  long position = -1;
  QByteArray pathName;
};

struct MailMessage {
  QByteArray subject;
  QByteArray noteText;
  unsigned long fileCount = 0;  // 0, or 1 with file filled in
  MailFile file;
  unsigned long sendFlags = kSendMailFlags;
};

// The message of the dialog's values: the subject as it stands (trailing spaces kept), every
// body line followed by CR LF, and the attachment when asked for and there is one. The
// attachment replaces the body's final line feed, so its position is the body's length in
// bytes minus one.
MailMessage BuildMailMessage(const QString& subject, const QStringList& bodyLines, bool attach,
                             const QString& attachmentPath);
