// totechita: the game on the desktop.
#include <QApplication>
#include <chrono>
#include <iostream>
#include <memory>

#include "desktop/application_setup.hpp"
#include "desktop/desktop_game.hpp"
#include "desktop/display_check.hpp"
#include "desktop/qt_startup_guard.hpp"
#include "game/program.hpp"

int main(int argc, char** argv) {
  using namespace totechita::desktop;
  // Qt aborts when it finds no display, so look first and say it plainly.
  if (const auto reason = missing_display(process_environment)) {
    std::cerr << no_display_line(*reason) << '\n';
    return 1;
  }
  prepare_qt();
  auto guard = std::make_unique<QtStartupGuard>();  // a display that is named but not there
  QApplication app(argc, argv);
  guard.reset();
  configure_application();
  const auto seed = std::chrono::system_clock::now().time_since_epoch().count();
  DesktopGame game(static_cast<std::uint64_t>(seed), ClockDriver::elapsed_clock());
  game.start(totechita::start_program);
  return QApplication::exec();
}
