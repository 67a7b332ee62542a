#include "support/headless_game.hpp"

#include <cstdlib>
#include <stdexcept>

#include "support/played_script.hpp"
#include "support/transcript.hpp"

namespace totechita::testing {

HeadlessGame::HeadlessGame(std::uint64_t seed, QuietTicks quiet_ticks)
    : m_driver(quiet_ticks, seed),
      m_session(m_driver, m_transcript, m_complaints),
      runtime(m_driver.runtime()) {
  m_session.start();
}

void HeadlessGame::key(int code, int count) {
  for (int i = 0; i < count; ++i)
    m_driver.input(KeyDown{code});
}

void HeadlessGame::play(const std::string& commands) {
  if (m_session.play(commands) != script::kScriptPassed) {
    throw std::runtime_error(m_complaints.str());
  }
}

std::vector<std::string> HeadlessGame::events() const { return event_lines(m_transcript.str()); }

void HeadlessGame::stand_at(const std::string& x, const std::string& y) {
  play(testing::stand_at(x, y));
}

void HeadlessGame::put(const Picture& sprite, float left, float top) {
  play(testing::put(sprite.form().name() + "." + sprite.name(), to_text(left), to_text(top)));
}

Millis HeadlessGame::drop_bomb_at(const std::string& x, const std::string& y) {
  play(testing::drop_bomb_at(x, y));
  return now();
}

void HeadlessGame::walk_to(float left, float top) {
  const auto dx = static_cast<int>((left - to_number(board().Text1.text())) / 100);
  const auto dy = static_cast<int>((top - to_number(board().Text2.text())) / 100);
  key(dx < 0 ? kKeyLeft : kKeyRight, std::abs(dx));
  key(dy < 0 ? kKeyUp : kKeyDown, std::abs(dy));
}

void HeadlessGame::wait_until_just_after_a_plane_step() {
  const Millis since_step = (now() - kBoardShown) % 1000;
  wait(since_step <= 100 ? 100 - since_step : 1100 - since_step);
}

}  // namespace totechita::testing
