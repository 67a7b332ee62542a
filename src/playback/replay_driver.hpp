#pragma once

#include <utility>
#include <vector>

#include "desktop/clock_driver.hpp"
#include "playback/message_box_closer.hpp"
#include "playback/scripted_session.hpp"
#include "script/script_command.hpp"
#include "script/script_driver.hpp"

namespace totechita::playback {

// Shows a recorded game in the windows at its own pace: the game's clock follows `real_now` but
// never passes the time of the script's next command, and the input goes to the game as if it
// came from the windows. A message box stays open as long as the jump that follows it in the
// script says it stood open when the game was recorded; without one it closes at once.
class ReplayDriver final : public script::ScriptDriver {
 public:
  ReplayDriver(ScriptedSession& session, const std::vector<script::Command>& commands,
               desktop::ClockDriver::TimeSource real_now);

  Runtime& runtime() override { return m_session.game().runtime(); }
  void start() override;
  void input(const Input& input) override { m_session.game().play(input); }
  void advance_to(Millis time) override;
  void jump(Millis milliseconds) override { m_session.jump(milliseconds); }

 private:
  int reading_time();

  ScriptedSession& m_session;
  std::vector<std::pair<Millis, Millis>> m_jumps;  // when each jump comes, and its length
  std::size_t m_next_jump = 0;
  desktop::ClockDriver::TimeSource m_real_now;
  Millis m_started_at = 0;
  MessageBoxCloser m_closer;
};

}  // namespace totechita::playback
