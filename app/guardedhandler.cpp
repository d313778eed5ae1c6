#include "app/guardedhandler.h"

#include <exception>

#include "app/application.h"

bool RunGuarded(const std::function<void()>& action, const std::function<void()>& restore) {
  QString text;
  try {
    action();
    return true;
  } catch (const std::exception& error) {
    text = QString::fromUtf8(error.what());
  } catch (...) {
    // Unknown: reported with an empty text, as the last guard does.
  }
  // The report shows a message box: the window is whole again before its event loop runs.
  if (restore) RunGuarded(restore);
  ReportError(text);
  return false;
}
