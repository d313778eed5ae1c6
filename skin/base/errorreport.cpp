#include "skin/base/errorreport.h"

#include <QtGlobal>
#include <utility>

namespace {

// Set once by the host at start-up, on the interface thread, where the controls also report.
SkinErrorHandler& Handler() {
  static SkinErrorHandler handler;
  return handler;
}

}  // namespace

void SetSkinErrorHandler(SkinErrorHandler handler) { Handler() = std::move(handler); }

void ReportSkinError(const QString& text) {
  // A copy: the handler may show a dialog whose event loop sets another handler meanwhile.
  const SkinErrorHandler handler = Handler();
  if (handler) {
    handler(text);
  } else {
    qWarning("%s", qUtf8Printable(text));
  }
}
