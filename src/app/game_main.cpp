// totechita: the game on the desktop.
#include <QApplication>
#include <chrono>
#include <iostream>

#include "desktop/application_setup.hpp"
#include "desktop/desktop_game.hpp"
#include "desktop/display_check.hpp"

int main(int argc, char** argv) {
  using namespace totechita::desktop;
  // Qt aborts when it finds no display, so look first and say it plainly.
  if (const auto reason = missing_display(process_environment)) {
    std::cerr << "totechita: no display found (" << *reason
              << "); start it from a desktop session, or run `make run` to get screenshots of a "
                 "short demo instead\n";
    return 1;
  }
  prepare_qt();
  QApplication app(argc, argv);
  configure_application();
  const auto seed = std::chrono::system_clock::now().time_since_epoch().count();
  DesktopGame game(static_cast<std::uint64_t>(seed), ClockDriver::elapsed_clock());
  game.start();
  return QApplication::exec();
}
