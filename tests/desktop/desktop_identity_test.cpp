#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

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

// A desktop finds the installed menu entry, its name and icon, by the application's desktop file
// name; a dock groups the windows with it by its StartupWMClass, their X11 class, which Qt takes
// from the application's name.
TEST(DesktopIdentity, TheWindowsNameTheirMenuEntryWhichNamesTheirClass) {
  const QString path =
      QStringLiteral(TOTECHITA_DATA_DIR "/%1.desktop").arg(QGuiApplication::desktopFileName());
  ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
  QSettings entry(path, QSettings::IniFormat);
  EXPECT_EQ(entry.value("Desktop Entry/StartupWMClass").toString().toStdString(),
            QCoreApplication::applicationName().toStdString());
}

}  // namespace
}  // namespace totechita::desktop::testing
