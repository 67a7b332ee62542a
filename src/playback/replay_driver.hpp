#pragma once

#include <string_view>

#include "desktop/clock_driver.hpp"
#include "playback/message_box_closer.hpp"
#include "playback/scripted_session.hpp"
#include "script/script_driver.hpp"
#include "script/watching_pace.hpp"

namespace totechita::playback {

// Shows a recorded game in the windows at its own pace (script::WatchingPace, which the page
// keeps too): the game's clock follows `real_now` but never passes the time of the script's next
// command, the input goes to the game as if it came from the windows, and a message box stays
// open as long as it did when the game was recorded. The script's text outlives the driver. When
// the application leaves its event loops (a signal), advance_to() stops the script.
class ReplayDriver final : public script::ScriptDriver {
 public:
  ReplayDriver(ScriptedSession& session, std::string_view script,
               desktop::ClockDriver::TimeSource real_now);

  Runtime& runtime() override { return m_session.game().runtime(); }
  void start() override;
  void input(const Input& input) override { m_session.game().play(input); }
  void advance_to(Millis time) override;
  void jump(Millis milliseconds) override;

 private:
  ScriptedSession& m_session;
  script::WatchingPace m_pace;
  desktop::ClockDriver::TimeSource m_real_now;
  MessageBoxCloser m_closer;
};

}  // namespace totechita::playback
