#pragma once

#include "playback/scripted_session.hpp"
#include "script/script_driver.hpp"

namespace totechita::playback {

// Plays scripts through the real windows, as a player would: a key as a Qt key event to the
// active window, a click as a mouse press and release in the middle of the control (which must
// be drawn on top there), a menu command through the action of the window's menu bar, the close
// box by closing the window, and time on the session's stepped real clock.
class WindowScriptDriver final : public script::ScriptDriver {
 public:
  explicit WindowScriptDriver(ScriptedSession& session) : m_session(session) {}

  Runtime& runtime() override { return m_session.game().runtime(); }
  void start() override { m_session.start(); }
  void input(const Input& input) override;
  void advance_to(Millis time) override { m_session.run_until(time); }
  void jump(Millis milliseconds) override { m_session.jump(milliseconds); }

 private:
  void give(const KeyDown& key);
  void give(const Click& click);
  void give(const MenuCommand& command);
  void give(const CloseBox& close);

  ScriptedSession& m_session;
};

}  // namespace totechita::playback
