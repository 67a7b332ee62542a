#include "desktop/application_setup.hpp"

#include <QIcon>

#include "desktop/font_choice.hpp"
#include "desktop/picture_cache.hpp"

namespace totechita::desktop {

void prepare_qt() {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

// No display name: Qt would append it to every window caption, and the captions are the game's.
// The desktop file name lets a desktop show the installed entry's name and icon for the windows.
void configure_application() {
  QApplication::setApplicationName(QStringLiteral("totechita"));
  QGuiApplication::setDesktopFileName(QStringLiteral(TOTECHITA_APP_ID));
  QApplication::setWindowIcon(QIcon(PictureCache::resource_path("icon")));
  QApplication::setFont(label_font({}));
  QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace totechita::desktop
