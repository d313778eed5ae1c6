#include "app/mail/sendmail.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>

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

}  // namespace
