#include "desktop/desktop_game.hpp"

namespace totechita::desktop {

DesktopGame::DesktopGame(std::uint64_t seed, ClockDriver::TimeSource real_now)
    : m_platform([this](const Input& input) { player_input(input); }),
      m_runtime(m_platform, seed),
      m_clock(m_runtime, std::move(real_now), [this] { m_platform.refresh_windows(); }) {}

void DesktopGame::start(const StartProgram& start_program) {
  start_program(m_runtime);
  m_clock.start();
}

void DesktopGame::player_input(const Input& input) {
  if (!m_gate || m_gate(input)) play(input);
}

}  // namespace totechita::desktop
