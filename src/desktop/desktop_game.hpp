#pragma once

#include <cstdint>
#include <functional>

#include "desktop/clock_driver.hpp"
#include "desktop/qt_platform.hpp"
#include "runtime/input.hpp"
#include "runtime/runtime.hpp"

namespace totechita::desktop {

// One game on the desktop: the runtime on the Qt platform, driven by a clock. Input runs through
// the clock driver, so the game clock is up to date before each input and the windows are
// repainted after it.
class DesktopGame final {
 public:
  DesktopGame(std::uint64_t seed, ClockDriver::TimeSource real_now);

  // How a program starts on a runtime: it shows its start-up form.
  using StartProgram = std::function<void(Runtime&)>;
  // Starts the program, then the clock.
  void start(const StartProgram& start_program);

  Runtime& runtime() { return m_runtime; }
  QtPlatform& platform() { return m_platform; }
  ClockDriver& clock() { return m_clock; }

  // Input from the player at the windows: all of it, or only what the gate lets through.
  void player_input(const Input& input);
  // Input given to the game whatever the gate says, as if it had come from the windows: a
  // recorded game played again.
  void play(const Input& input) { m_clock.deliver(input); }
  // While a recorded game plays, the player's input goes only where `lets_through` says.
  void set_player_gate(std::function<bool(const Input&)> lets_through) {
    m_gate = std::move(lets_through);
  }

 private:
  QtPlatform m_platform;
  Runtime m_runtime;
  ClockDriver m_clock;
  std::function<bool(const Input&)> m_gate;
};

}  // namespace totechita::desktop
