#pragma once

#include <optional>
#include <string_view>
#include <utility>

#include "desktop/clock_driver.hpp"
#include "playback/message_box_closer.hpp"
#include "playback/scripted_session.hpp"
#include "script/script_driver.hpp"
#include "script/script_parser.hpp"

namespace totechita::playback {

// Shows a recorded game in the windows at its own pace: the game's clock follows `real_now` but
// never passes the time of the script's next command, and the input goes to the game as if it
// came from the windows. A message box stays open as long as the jump that follows it in the
// script says it stood open when the game was recorded; without one it closes at once. The
// script (whose text outlives the driver) is read for its jumps as they are needed. When the
// application leaves its event loops (a signal), advance_to() stops the script.
class ReplayDriver final : public script::ScriptDriver {
 public:
  ReplayDriver(ScriptedSession& session, std::string_view script,
               desktop::ClockDriver::TimeSource real_now);

  Runtime& runtime() override { return m_session.game().runtime(); }
  void start() override;
  void input(const Input& input) override { m_session.game().play(input); }
  void advance_to(Millis time) override;
  void jump(Millis milliseconds) override { m_session.jump(milliseconds); }

 private:
  int reading_time();
  // When the script's next jump comes, and its length; none after its first `until`, whose
  // length depends on the game.
  std::optional<std::pair<Millis, Millis>> next_jump();

  ScriptedSession& m_session;
  script::ScriptReader m_jumps;
  Millis m_jumps_time = 0;  // the script's time where m_jumps has read to
  desktop::ClockDriver::TimeSource m_real_now;
  Millis m_started_at = 0;
  MessageBoxCloser m_closer;
};

}  // namespace totechita::playback
