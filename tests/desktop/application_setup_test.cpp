#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>

namespace totechita::desktop {
namespace {

// A desktop finds the installed entry, its name and icon, by the application's desktop file name.
TEST(ApplicationSetup, NamesTheDesktopEntryThatIsInstalled) {
  const QString id = QGuiApplication::desktopFileName();
  ASSERT_FALSE(id.isEmpty());
  EXPECT_TRUE(QFileInfo::exists(QStringLiteral(TOTECHITA_DATA_DIR "/%1.desktop").arg(id)))
      << id.toStdString();
}

// The runtime decides when the program ends, not Qt's rule for the last window closed.
TEST(ApplicationSetup, ClosingTheLastWindowDoesNotQuit) {
  EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
}

}  // namespace
}  // namespace totechita::desktop
