#include "app/mail/mailmessage.h"

#include <gtest/gtest.h>

namespace {

struct MessageCase {
  const char* what;
  QString subject;
  QStringList lines;
  bool attach;
  QString attachment;
  QByteArray noteText;
  unsigned long fileCount;
  long position;
};

TEST(MailMessageTest, RecordsFollowTheDialogsValues) {
  const QString sketch = QStringLiteral("/home/ann/图/sketch.jpg");
  const QString subject = QStringLiteral("做了一张素描给你！             ");
  const MessageCase cases[] = {
      // Each Chinese character takes three bytes: 5 * 3 + CR LF = 17.
      {"Chinese line",
       subject,
       {QStringLiteral("请看附件！")},
       true,
       sketch,
       "\xe8\xaf\xb7\xe7\x9c\x8b\xe9\x99\x84\xe4\xbb\xb6\xef\xbc\x81\r\n",
       1,
       16},
      {"several lines, an empty one and trailing spaces kept",
       subject,
       {QStringLiteral("a"), QString(), QStringLiteral("b  ")},
       true,
       sketch,
       "a\r\n\r\nb  \r\n",
       1,
       9},
      {"empty body leaves the place to the client", subject, {}, true, sketch, "", 1, -1},
      {"empty subject", QString(), {QStringLiteral("a")}, true, sketch, "a\r\n", 1, 2},
      {"attachment unticked", subject, {QStringLiteral("a")}, false, sketch, "a\r\n", 0, -1},
      {"no sketch to attach", subject, {QStringLiteral("a")}, true, QString(), "a\r\n", 0, -1},
  };
  for (const MessageCase& c : cases) {
    SCOPED_TRACE(c.what);
    const MailMessage message = BuildMailMessage(c.subject, c.lines, c.attach, c.attachment);
    EXPECT_EQ(message.subject, c.subject.toUtf8());
    EXPECT_EQ(message.noteText, c.noteText);
    EXPECT_EQ(message.fileCount, c.fileCount);
    EXPECT_EQ(message.file.position, c.position);
    EXPECT_EQ(message.file.pathName, c.fileCount == 1 ? sketch.toUtf8() : QByteArray());
    EXPECT_EQ(message.sendFlags, 11u);
  }
}

}  // namespace
