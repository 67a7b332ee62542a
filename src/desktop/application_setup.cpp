#include "desktop/application_setup.hpp"

#include "desktop/picture_cache.hpp"

namespace totechita::desktop {

void prepare_qt() {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

// One size, rendered at build time: a window manager scales it as it needs, and rendering the SVG
// at the several sizes Qt offers a window manager would slow the first window down.
const QIcon& window_icon() {
  static const QIcon icon(QPixmap::fromImage(PictureCache::prerendered("icon", {32, 32})));
  return icon;
}

// No display name: Qt would append it to every window caption, and the captions are the game's.
// The desktop file name lets a desktop show the installed entry's name and icon for the windows.
void configure_application() {
  QApplication::setApplicationName(QStringLiteral("totechita"));
  QGuiApplication::setDesktopFileName(QStringLiteral(TOTECHITA_APP_ID));
  QApplication::setWindowIcon(window_icon());
  QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace totechita::desktop
