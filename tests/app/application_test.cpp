#include "app/application.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <stdexcept>

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

}  // namespace
