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

struct HintAtoms {
  xcb_atom_t motif_hints;
  xcb_atom_t state;
  xcb_atom_t skip_taskbar;
};

// Interned once, all in one round trip to the X server: the title, the first window, sets its
// hints before its first frame, which would otherwise wait for one round trip per atom.
const HintAtoms& hint_atoms(xcb_connection_t* connection) {
  static const HintAtoms atoms = [connection] {
    std::array<xcb_intern_atom_cookie_t, 3> cookies{};
    const std::array<const char*, 3> names{"_MOTIF_WM_HINTS", "_NET_WM_STATE",
                                           "_NET_WM_STATE_SKIP_TASKBAR"};
    for (std::size_t i = 0; i < names.size(); ++i) {
      cookies[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(names[i])),
                                   names[i]);
    }
    std::array<xcb_atom_t, 3> interned{};
    for (std::size_t i = 0; i < cookies.size(); ++i) {
      const XcbReply<xcb_intern_atom_reply_t> reply(
          xcb_intern_atom_reply(connection, cookies[i], nullptr), &std::free);
      interned[i] = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return HintAtoms{interned[0], interned[1], interned[2]};
  }();
  return atoms;
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
  const xcb_atom_t motif = hint_atoms(connection).motif_hints;
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, x11_window(window), motif, motif, 32,
                      hints.size(), hints.data());
  xcb_flush(connection);
}

// Before a window is mapped its _NET_WM_STATE is the client's to write; Qt adds its own states
// to what it finds there when it maps the window.
void skip_taskbar(QWidget& window) {
  xcb_connection_t* connection = x11_connection();
  if (connection == nullptr) return;
  const HintAtoms& atoms = hint_atoms(connection);
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, x11_window(window), atoms.state,
                      XCB_ATOM_ATOM, 32, 1, &atoms.skip_taskbar);
  xcb_flush(connection);
}

}  // namespace totechita::desktop
