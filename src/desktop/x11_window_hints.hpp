#pragma once

#include <QWidget>

namespace totechita::desktop {

// What Qt's window flags cannot ask an X11 window manager for. Each takes a window whose native
// window exists and is not mapped yet, and does nothing on other window systems.

// No move, resize, minimise, maximise or close by the window manager: for a frameless window,
// Qt asks for no decorations but leaves all of those on, and openbox moves it with Alt+drag.
void forbid_window_manager_functions(QWidget& window);

// No taskbar entry, said outright (_NET_WM_STATE_SKIP_TASKBAR) rather than left to how each
// taskbar treats a utility window.
void skip_taskbar(QWidget& window);

}  // namespace totechita::desktop
