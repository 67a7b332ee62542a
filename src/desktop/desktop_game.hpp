#pragma once

#include <cstdint>
#include <functional>

#include "desktop/clock_driver.hpp"
#include "desktop/form_events.hpp"
#include "desktop/input_observer.hpp"
#include "desktop/qt_platform.hpp"
#include "runtime/runtime.hpp"

namespace totechita::desktop {

// One game on the desktop: the runtime on the Qt platform, driven by a clock. Input from the
// windows runs through the clock driver, so the game clock is up to date before each event and
// the windows are repainted after it.
class DesktopGame final : public FormEvents {
 public:
  DesktopGame(std::uint64_t seed, ClockDriver::TimeSource real_now);

  // How a program starts on a runtime: it shows its start-up form.
  using StartProgram = std::function<void(Runtime&)>;
  // Starts the program, then the clock.
  void start(const StartProgram& start_program);

  Runtime& runtime() { return m_runtime; }
  QtPlatform& platform() { return m_platform; }
  ClockDriver& clock() { return m_clock; }

  // Input from the windows.
  void key_down(int windows_key_code) override;
  void click(Control& control) override;
  void choose(const MenuItem& item) override;
  void close(Form& form) override;

  // Tells `observer` (which outlives the game) of every input from the windows and every jump.
  void set_observer(InputObserver& observer);
  // While a recorded game plays: the windows' input is ignored, but for the close box and the
  // menu commands `allowed` lets through.
  void ignore_player_input(std::function<bool(const MenuItem&)> allowed);

  // Input played from a recording, as if it had come from the windows.
  void play_key_down(int windows_key_code);
  void play_click(Control& control);
  void play_choose(const MenuItem& item);
  void play_close(Form& form);

 private:
  Millis now() const { return m_runtime.scheduler().now(); }

  QtPlatform m_platform;
  Runtime m_runtime;
  ClockDriver m_clock;
  InputObserver* m_observer = nullptr;
  std::function<bool(const MenuItem&)> m_allowed_while_replaying;
};

}  // namespace totechita::desktop
