#include "desktop/application_setup.hpp"

#include <array>

#include "desktop/game_style.hpp"
#include "desktop/prerendered_icon_engine.hpp"

namespace totechita::desktop {

void prepare_qt() {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

// Every size a dock, a task switcher or a title bar shows, rendered at build time (rendering the
// SVG when the first window opens would slow it down), so that none shows a blurred scaling.
const QIcon& window_icon() {
  static const QIcon icon = [] {
    QList<QSize> sizes;
    for (const int side : std::array{TOTECHITA_ICON_SIZES})
      sizes.append({side, side});
    return QIcon(new PrerenderedIconEngine("icon", sizes));
  }();
  return icon;
}

// An X11 window takes all of its icon's sizes when it is made: for the title, the first window,
// unpacking and sending them delays the first frame by about 3 ms.
const QIcon& small_window_icon() {
  static const QIcon icon(new PrerenderedIconEngine("icon", {{32, 32}}));
  return icon;
}

// No display name: Qt would append it to every window caption, and the captions are the game's.
// The desktop file name lets a desktop show the installed entry's name and icon for the windows.
// The style is set before any window is made. The program's own icon is the small one: X11 takes
// it for every window as the window is made, before the window's own icon replaces it.
void configure_application() {
  QApplication::setStyle(new GameStyle);
  QApplication::setApplicationName(QStringLiteral("totechita"));
  QGuiApplication::setDesktopFileName(QStringLiteral(TOTECHITA_APP_ID));
  QApplication::setWindowIcon(small_window_icon());
  QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace totechita::desktop
