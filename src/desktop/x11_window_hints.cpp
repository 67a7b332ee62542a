#include "desktop/x11_window_hints.hpp"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace totechita::desktop {

namespace {

// An xcb reply, freed with free() as xcb asks.
template <class Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_connection_t* x11_connection() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
  const XcbReply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(
          connection,
          xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
          nullptr),
      &std::free);
  return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t x11_window(QWidget& window) { return static_cast<xcb_window_t>(window.winId()); }

}  // namespace

// The Motif hints: flags, functions, decorations, input mode, status. With the functions flag
// set and no function listed, the window manager offers none.
void forbid_window_manager_functions(QWidget& window) {
  xcb_connection_t* connection = x11_connection();
  if (connection == nullptr) return;
  constexpr std::uint32_t kFunctionsAndDecorations = 1U | 2U;
  const std::array<std::uint32_t, 5> hints{kFunctionsAndDecorations, 0, 0, 0, 0};
  const xcb_atom_t motif = atom(connection, "_MOTIF_WM_HINTS");
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, x11_window(window), motif, motif, 32,
                      hints.size(), hints.data());
  xcb_flush(connection);
}

// Before a window is mapped its _NET_WM_STATE is the client's to write; Qt adds its own states
// to what it finds there when it maps the window.
void skip_taskbar(QWidget& window) {
  xcb_connection_t* connection = x11_connection();
  if (connection == nullptr) return;
  const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
  const xcb_atom_t skip = atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, x11_window(window), state, XCB_ATOM_ATOM,
                      32, 1, &skip);
  xcb_flush(connection);
}

}  // namespace totechita::desktop
