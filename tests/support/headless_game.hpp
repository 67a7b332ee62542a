#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "board/form2.hpp"
#include "ending/form3.hpp"
#include "runtime/key_codes.hpp"
#include "runtime/value_rules.hpp"
#include "script/headless_driver.hpp"
#include "script/script_runner.hpp"

namespace totechita::testing {

using script::QuietTicks;

inline bool on_grid(double value) {
  return value == 1000 || value == 2000 || value == 3000 || value == 4000;
}

// A whole game on the headless platform, started at t=0 with the title screen: a script session
// that a test plays step by step, in C++ or in the script language, and looks into between.
class HeadlessGame {
 public:
  static constexpr Millis kBoardShown = 1500;

  explicit HeadlessGame(std::uint64_t seed = 0, QuietTicks quiet_ticks = QuietTicks::skip);

  Millis now() const { return runtime.scheduler().now(); }
  void wait(Millis milliseconds) { m_driver.advance_to(now() + milliseconds); }
  void wait_until(Millis time) { m_driver.advance_to(time); }
  void key(int code, int count = 1);
  // Commands of the script language (played_script.hpp), played from where the game stands; a
  // command that fails throws, failing the test.
  void play(const std::string& commands);
  // A command of the active form's menu, by name or caption.
  void choose(const std::string& item) { play("menu " + item); }
  // Writes made from outside the game, to set up a case, as one event.
  template <class Action>
  void change(Action action) {
    runtime.change(action);
  }

  Form2& board() { return *static_cast<Form2*>(runtime.find_form(Form2::kName)); }
  Form3& ending() { return *static_cast<Form3*>(runtime.find_form(Form3::kName)); }
  bool loaded(std::string_view form) const { return runtime.find_form(form) != nullptr; }
  const std::vector<std::string>& messages() const { return m_driver.platform().messages(); }
  const std::string& score() { return board().Label13.caption(); }
  // The events so far, as the script driver prints them ("t=1500 show Form2"), and all it printed.
  std::vector<std::string> events() const;
  std::string transcript() const { return m_transcript.str(); }

  void stand_at(const std::string& x, const std::string& y);
  void put(const Picture& sprite, float left, float top);
  void set_score(const std::string& score) { play("set Form2.Label13.Caption " + score); }
  // Enter at (x, y) holding one bomb; returns the time of the Enter. The bomb shows 3 ms later,
  // bursts 1000 ms after that and ends 1000 ms later still.
  Millis drop_bomb_at(const std::string& x, const std::string& y);
  // Walks by whole steps from where the position fields say; keys land at one instant.
  void walk_to(float left, float top);
  // The plane steps every second from 2500 ms; this waits until 100 ms past its next step.
  void wait_until_just_after_a_plane_step();

 private:
  script::HeadlessDriver m_driver;
  std::ostringstream m_transcript;
  std::ostringstream m_complaints;
  script::ScriptSession m_session;

 public:
  Runtime& runtime;
};

// A game standing on a fresh board, 1 ms before its first tick.
class BoardGame : public HeadlessGame {
 public:
  explicit BoardGame(std::uint64_t seed = 0, QuietTicks quiet_ticks = QuietTicks::skip)
      : HeadlessGame(seed, quiet_ticks) {
    wait_until(kBoardShown);
  }
};

}  // namespace totechita::testing
