#include "app/mail/sendmail.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>

#include "app/startprogram.h"
#include "support/fakeprograms.h"

namespace {

using SendMailTest = FakeProgramsTest;

const QString kXdgEmail = QStringLiteral("xdg-email");

TEST_F(SendMailTest, XdgEmailGetsSubjectBodyAndAttachment) {
  AddProgram(kXdgEmail);
  const MailMessage message =
      BuildMailMessage(QStringLiteral("嗨  "), {QStringLiteral("a b"), QStringLiteral("c")}, true,
                       QStringLiteral("/tmp/my sketches/sketch.jpg"));
  EXPECT_EQ(SendMail(message, nullptr), 0u);
  const QList<QByteArray> expected{"--subject", QStringLiteral("嗨  ").toUtf8(),
                                   "--body",    "a b\r\nc\r\n",
                                   "--attach",  "/tmp/my sketches/sketch.jpg"};
  EXPECT_EQ(ArgumentsOf(kXdgEmail), expected);
}

TEST_F(SendMailTest, WithoutAttachmentXdgEmailGetsNone) {
  AddProgram(kXdgEmail);
  EXPECT_EQ(SendMail(BuildMailMessage(QString(), {}, false, QStringLiteral("/tmp/s.jpg")), nullptr),
            0u);
  const QList<QByteArray> expected{"--subject", "", "--body", ""};
  EXPECT_EQ(ArgumentsOf(kXdgEmail), expected);
}

// No xdg-email, or one that cannot be run: 1, and no window opens.
TEST_F(SendMailTest, UnavailableClientReturnsOneAndShowsNothing) {
  const MailMessage message = BuildMailMessage(QStringLiteral("s"), {}, false, QString());
  EXPECT_EQ(SendMail(message, nullptr), kMailUnavailable);

  QFile notRunnable(folder_.filePath(kXdgEmail));
  ASSERT_TRUE(notRunnable.open(QIODevice::WriteOnly));
  notRunnable.write("#!/bin/sh\n");
  notRunnable.close();
  EXPECT_EQ(SendMail(message, nullptr), kMailUnavailable);

  QTest::qWait(50);
  for (QWidget* window : QApplication::topLevelWidgets()) EXPECT_FALSE(window->isVisible());
}

// What the user is told: the mail program took the message (xdg-email did not fail within a
// moment, or ended well), or why not (xdg-email's own failure, also a late one).
TEST_F(SendMailTest, TheOutcomeSaysWhetherTheMailProgramTookTheMessage) {
  struct Case {
    const char* what;
    int status;
    int seconds;
    QStringList told;
  };
  const Case cases[] = {
      {"no xdg-email", -1, 0, {QStringLiteral("找不到 xdg-email")}},
      {"ends well", 0, 0, {QString()}},
      {"finds no mail program", 3, 0, {QStringLiteral("xdg-email 找不到可以打开它的程序")}},
      {"runs on", 0, 2, {QString()}},
      {"fails late", 4, 2, {QString(), QStringLiteral("xdg-email 未能完成")}},
  };
  const MailMessage message = BuildMailMessage(QStringLiteral("s"), {}, false, QString());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(folder_.filePath(kXdgEmail));
    if (c.status >= 0) AddProgram(kXdgEmail, c.status, c.seconds);
    QObject receiver;
    QStringList told;
    SendMail(message, nullptr, &receiver, [&told](const QString& failure) { told << failure; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return told.size() == c.told.size(); }, 10000));
    QTest::qWait(c.seconds * 1000 + 300 - kSettleTimeMs);  // nothing more comes
    EXPECT_EQ(told, c.told);
  }
}

// A receiver gone before the program ends takes the outcome with it.
TEST_F(SendMailTest, NoOutcomeReachesAReceiverThatIsGone) {
  AddProgram(kXdgEmail, 3, 1);
  bool told = false;
  {
    QObject receiver;
    SendMail(BuildMailMessage(QString(), {}, false, QString()), nullptr, &receiver,
             [&told](const QString&) { told = true; });
  }
  QTest::qWait(1500);
  EXPECT_FALSE(told);
}

}  // namespace
