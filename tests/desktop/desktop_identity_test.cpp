#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>

#include "desktop/display_check.hpp"
#include "desktop/session_helpers.hpp"

namespace totechita::desktop::testing {
namespace {

// Docks, task switchers and title bars each show their own size; a scaled 32 × 32 looks blurred.
TEST(DesktopIdentity, TheBoardCarriesItsIconAtEverySizeADesktopShows) {
  BoardSession session;
  const QIcon icon = session.board_window().windowIcon();
  for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
    EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side))) << side;
    EXPECT_TRUE(icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_RGB32) ==
                PictureCache::prerendered("icon", {side, side}))
        << "not the picture rendered at " << side;
  }
}

// A dock groups the windows with the launcher whose StartupWMClass is their X11 class, which Qt
// takes from the application's name.
TEST(DesktopIdentity, TheMenuEntryNamesTheWindowsClass) {
  QSettings entry(
      QStringLiteral(TOTECHITA_DATA_DIR "/%1.desktop").arg(QGuiApplication::desktopFileName()),
      QSettings::IniFormat);
  EXPECT_EQ(entry.value("Desktop Entry/StartupWMClass").toString().toStdString(),
            QCoreApplication::applicationName().toStdString());
}

// Said to a player who installed the game and has no sources to run make in.
TEST(DesktopIdentity, WithoutADisplayTheGameSaysWhatToDoInstead) {
  const std::string line = no_display_line("DISPLAY and WAYLAND_DISPLAY are unset");
  EXPECT_EQ(line.find("make"), std::string::npos) << line;
  EXPECT_NE(line.find("desktop session"), std::string::npos) << line;
  EXPECT_NE(line.find("totechita-script"), std::string::npos) << line;
}

}  // namespace
}  // namespace totechita::desktop::testing
