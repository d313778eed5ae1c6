// The program's tests run inside the program's own application object, so that exceptions
// leaving a handler take the same road as in the program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/application.h"
#include "support/modalwatch.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TGraphitineApplication app(argc, argv);
  ::testing::InitGoogleMock(&argc, argv);
  ModalWatch::GuardUnwatchedModals();
  return RUN_ALL_TESTS();
}
