#include "app/application.h"

#include <gtest/gtest.h>

#include <QTest>
#include <stdexcept>

#include "skin/buttons/button.h"
#include "support/modalwatch.h"

namespace {

TEST(GeneralErrorReportTest, AnExceptionLeavingAHandlerIsShownAndTheWindowGoesOn) {
  TSkinButton button;
  button.resize(75, 25);
  int clicks = 0;
  QObject::connect(&button, &TSkinCustomButton::OnClick, [&clicks] {
    if (++clicks == 1) throw std::runtime_error("Cannot open file \"a.jpg\"");
  });
  button.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
  ModalWatch watch;

  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(watch.Messages(), QStringList{QStringLiteral("Cannot open file \"a.jpg\"")});
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 2);
}

}  // namespace
