#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

#include "desktop/desktop_game.hpp"
#include "desktop/form_window.hpp"

namespace totechita::playback {

// Moves a stepped real clock on to `time`, waking the driver at each time it planned on the way;
// returns how often it woke. The clock never goes back.
int follow_plan(desktop::ClockDriver& driver, Millis& clock, Millis time);

// A desktop game whose real clock moves only when told, played with real Qt events: for the
// front-end tests and the screenshot demo. The clock driver sleeps and wakes as it plans to.
class ScriptedSession {
 public:
  // `later`: the title is shown by start(), once whoever watches the game is ready.
  enum class Start { now, later };
  explicit ScriptedSession(std::uint64_t seed = 0, Start start = Start::now);

  void start();

  Millis now() const { return m_clock; }
  // Follows the driver's plan up to `time`, then catches up at `time` itself; returns how
  // often the driver woke on the way.
  int run_until(Millis time);
  void wait(Millis milliseconds) { run_until(m_clock + milliseconds); }
  // Moves the real clock on without waking the driver: a stalled process, or a player reading
  // a message box.
  void stall(Millis milliseconds) { m_clock += milliseconds; }
  // The clock jumps, as when a message box has stood open that long and closes.
  void jump(Millis milliseconds);

  // Key presses (and their releases) sent to the active form's window.
  void press_key(int qt_key, int count = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Triggers the command of the active form's menu bar with this caption; false when it has none.
  bool choose(const QString& caption);
  // A setup write made from outside the game, as one event.
  void change(const std::function<void()>& action) { m_game.runtime().change(action); }

  desktop::FormWindow* window(std::string_view form_name);
  template <class F>
  F& form() {
    return static_cast<F&>(*m_game.runtime().find_form(F::kName));
  }
  desktop::DesktopGame& game() { return m_game; }

 private:
  Millis m_clock = 0;
  desktop::DesktopGame m_game;
};

}  // namespace totechita::playback
