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

void DesktopGame::set_observer(InputObserver& observer) {
  m_observer = &observer;
  m_clock.set_on_jump([&observer](Millis from, Millis to) { observer.jumped(from, to); });
}

void DesktopGame::ignore_player_input(std::function<bool(const MenuItem&)> allowed) {
  m_allowed_while_replaying = std::move(allowed);
}

void DesktopGame::key_down(int windows_key_code) {
  if (!m_allowed_while_replaying) play_key_down(windows_key_code);
}

void DesktopGame::click(Control& control) {
  if (!m_allowed_while_replaying) play_click(control);
}

void DesktopGame::choose(const MenuItem& item) {
  if (!m_allowed_while_replaying || m_allowed_while_replaying(item)) play_choose(item);
}

void DesktopGame::close(Form& form) { play_close(form); }

// The observer hears of an input once the clock has caught up: at the time it reaches the game.
void DesktopGame::play_key_down(int windows_key_code) {
  m_clock.deliver([&] {
    if (m_observer) m_observer->key_down(now(), windows_key_code);
    m_runtime.key_down(windows_key_code);
  });
}

void DesktopGame::play_click(Control& control) {
  m_clock.deliver([&] {
    if (m_observer) m_observer->click(now(), control);
    m_runtime.click(control);
  });
}

void DesktopGame::play_choose(const MenuItem& item) {
  m_clock.deliver([&] {
    if (m_observer) m_observer->choose(now(), item);
    m_runtime.choose(item);
  });
}

void DesktopGame::play_close(Form& form) {
  m_clock.deliver([&] {
    if (m_observer) m_observer->close(now(), form);
    m_runtime.close(form);
  });
}

}  // namespace totechita::desktop
