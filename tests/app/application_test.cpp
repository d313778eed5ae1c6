#include "app/application.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QTest>
#include <stdexcept>

#include "app/guardedhandler.h"
#include "support/modalwatch.h"

namespace {

// A handler that fails with a file error every time its event arrives.
class FailingHandler : public QObject {
 public:
  int calls = 0;

 protected:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::User) return QObject::event(event);
    ++calls;
    throw std::runtime_error("Cannot open file \"a.jpg\"");
  }
};

// The event goes the program's own way, from the event loop through the application object.
TEST(GeneralErrorReportTest, AnExceptionLeavingAHandlerIsShownAndTheProgramGoesOn) {
  FailingHandler handler;
  ModalWatch watch;
  for (int i = 0; i < 2; ++i) {
    QCoreApplication::postEvent(&handler, new QEvent(QEvent::User));
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.Messages().size() == i + 1; }));
  }
  EXPECT_EQ(handler.calls, 2);
  EXPECT_EQ(watch.Messages().first(), QStringLiteral("Cannot open file \"a.jpg\""));
}

// A receiver whose handler fails after changing its state half-way.
class HalfDone : public QObject {
 public:
  QString seen;
  void Take(const QString& name) {
    seen = name;
    throw std::runtime_error("Cannot open file \"" + name.toStdString() + "\"");
  }
};

// The error stops at the handler: the sender's call returns, the restore step runs before the
// report, and the report shows the text.
TEST(GuardedHandlerTest, AFailingHandlerIsRestoredAndReportedWhereItFails) {
  QObject sender;
  HalfDone receiver;
  QStringList order;
  ModalWatch watch([&order](QWidget* modal) {
    order << QStringLiteral("report");
    qobject_cast<QDialog*>(modal)->reject();
  });
  ConnectGuarded(&sender, &QObject::objectNameChanged, &receiver, &HalfDone::Take, [&] {
    order << QStringLiteral("restore");
    receiver.seen.clear();
  });
  sender.setObjectName(QStringLiteral("a.jpg"));
  EXPECT_EQ(order, (QStringList{QStringLiteral("restore"), QStringLiteral("report")}));
  EXPECT_TRUE(receiver.seen.isEmpty());
  EXPECT_EQ(watch.Messages(), QStringList{QStringLiteral("Cannot open file \"a.jpg\"")});
}

}  // namespace
