// The program's tests run inside the program's own application object, so that exceptions
// leaving a handler take the same road as in the program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/application.h"
#include "support/modalwatch.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The user's configuration and cache folders are the run's own: the tests never read or write
  // the real ones (the dialogs' last folders, the mail attachment).
  QTemporaryDir home;
  if (!home.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
  qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toLocal8Bit());
  TGraphitineApplication app(argc, argv);
  ::testing::InitGoogleMock(&argc, argv);
  ModalWatch::GuardUnwatchedModals();
  return RUN_ALL_TESTS();
}
