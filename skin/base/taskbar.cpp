#include <QWidget>

#include "skin/base/taskbar_p.h"

#ifdef GRAPHITINE_HAS_XCB
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const ReplyPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
      nullptr));
  return reply != nullptr ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// Adds the skip-taskbar and skip-pager states to those already asked for (Qt adds its own, such
// as staying above, to the same list when it maps the window).
void AskToSkipTaskbar(xcb_connection_t* connection, xcb_window_t window) {
  const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
  if (state == XCB_ATOM_NONE) return;
  std::vector<xcb_atom_t> atoms;
  const ReplyPointer<xcb_get_property_reply_t> current(xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024), nullptr));
  if (current != nullptr && current->format == 32 && current->type == XCB_ATOM_ATOM) {
    const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(current.get()));
    atoms.assign(values,
                 values + xcb_get_property_value_length(current.get()) / sizeof(xcb_atom_t));
  }
  for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
    const xcb_atom_t atom = Atom(connection, name);
    if (atom != XCB_ATOM_NONE && std::find(atoms.begin(), atoms.end(), atom) == atoms.end()) {
      atoms.push_back(atom);
    }
  }
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(atoms.size()), atoms.data());
  xcb_flush(connection);
}

}  // namespace
#endif

void SkinKeepOffTaskbar(QWidget* window) {
  if (window == nullptr || !window->isWindow() || window->testAttribute(Qt::WA_Mapped)) return;
#ifdef GRAPHITINE_HAS_XCB
  // Other platforms may answer for X11 too (offscreen does, without a connection).
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) return;
  AskToSkipTaskbar(x11->connection(), static_cast<xcb_window_t>(window->winId()));
#endif
}
