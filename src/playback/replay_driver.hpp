#pragma once

#include <QElapsedTimer>
#include <utility>
#include <vector>

#include "playback/message_box_closer.hpp"
#include "playback/scripted_session.hpp"
#include "script/script_command.hpp"
#include "script/script_driver.hpp"

namespace totechita::desktop {

// Shows a recorded game in the windows at its own pace: the game's clock follows the real one
// but never passes the time of the script's next command, and the input goes to the game as if
// it came from the windows. A message box stays open as long as the jump that follows it in the
// script says it stood open when the game was recorded; without one it closes at once.
class ReplayDriver final : public script::ScriptDriver {
 public:
  ReplayDriver(ScriptedSession& session, const std::vector<script::Command>& commands);

  Runtime& runtime() override { return m_session.game().runtime(); }
  void start() override;
  void key_down(int key_code) override { m_session.game().play_key_down(key_code); }
  void click(Control& control) override { m_session.game().play_click(control); }
  void choose(const MenuItem& item) override { m_session.game().play_choose(item); }
  void close(Form& form) override { m_session.game().play_close(form); }
  void advance_to(Millis time) override;
  void jump(Millis milliseconds) override { m_session.jump(milliseconds); }

 private:
  int reading_time();

  ScriptedSession& m_session;
  std::vector<std::pair<Millis, Millis>> m_jumps;  // when each jump comes, and its length
  std::size_t m_next_jump = 0;
  QElapsedTimer m_real;
  MessageBoxCloser m_closer;
};

}  // namespace totechita::desktop
