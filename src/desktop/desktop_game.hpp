#pragma once

#include <cstdint>
#include <functional>

#include "desktop/clock_driver.hpp"
#include "desktop/form_events.hpp"
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

  void key_down(int windows_key_code) override;
  void click(Control& control) override;
  void choose(const MenuItem& item) override;
  void close(Form& form) override;

 private:
  QtPlatform m_platform;
  Runtime m_runtime;
  ClockDriver m_clock;
};

}  // namespace totechita::desktop
