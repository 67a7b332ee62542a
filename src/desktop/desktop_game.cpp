#include "desktop/desktop_game.hpp"

namespace totechita::desktop {

DesktopGame::DesktopGame(std::uint64_t seed, ClockDriver::TimeSource real_now)
    : m_platform(*this),
      m_runtime(m_platform, seed),
      m_clock(m_runtime, std::move(real_now), [this] { m_platform.refresh_windows(); }) {
  m_platform.set_on_message_box_closed([this] { m_clock.note_clock_stopped(); });
}

void DesktopGame::start(const StartProgram& start_program) {
  start_program(m_runtime);
  m_clock.start();
}

void DesktopGame::key_down(int windows_key_code) {
  m_clock.deliver([&] { m_runtime.key_down(windows_key_code); });
}

void DesktopGame::click(Control& control) {
  m_clock.deliver([&] { m_runtime.click(control); });
}

void DesktopGame::choose(const MenuItem& item) {
  m_clock.deliver([&] { m_runtime.choose(item); });
}

void DesktopGame::close(Form& form) {
  m_clock.deliver([&] { m_runtime.close(form); });
}

}  // namespace totechita::desktop
