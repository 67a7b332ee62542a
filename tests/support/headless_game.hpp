#pragma once

#include <string>
#include <vector>

#include "board/form2.hpp"
#include "ending/form3.hpp"
#include "runtime/key_codes.hpp"
#include "runtime/value_rules.hpp"
#include "script/headless_driver.hpp"

namespace totechita::testing {

using script::QuietTicks;

inline bool on_grid(double value) {
  return value == 1000 || value == 2000 || value == 3000 || value == 4000;
}

// A whole game on the headless platform, started at t=0 with the title screen, with the events
// the runtime traced ("t=1500 show Form2") and the helpers that set up and play a case.
class HeadlessGame {
 public:
  static constexpr Millis kBoardShown = 1500;

  explicit HeadlessGame(std::uint64_t seed = 0, QuietTicks quiet_ticks = QuietTicks::skip);

  Millis now() const { return runtime.scheduler().now(); }
  void wait(Millis milliseconds) { m_driver.advance_to(now() + milliseconds); }
  void wait_until(Millis time) { m_driver.advance_to(time); }
  void key(int code, int count = 1);
  // A command of the board's menu by name; a name the menu lacks throws, failing the test.
  void choose(std::string_view item_name);
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

  // The player's position fields on a place, as a walk there would leave them.
  void stand_at(const std::string& x, const std::string& y);
  void put(Picture& sprite, float left, float top);
  void set_score(const std::string& score);
  // Walks by whole steps from where the position fields say; keys land at one instant.
  void walk_to(float left, float top);
  // Enter with one more bomb held, standing at (x, y); returns the time of the Enter. The bomb
  // shows 3 ms later, bursts 1000 ms after that and ends 1000 ms later still.
  Millis drop_bomb_at(const std::string& x, const std::string& y);
  // The plane steps every second from 2500 ms; this waits until 100 ms past its next step.
  void wait_until_just_after_a_plane_step();

 private:
  script::HeadlessDriver m_driver;

 public:
  Runtime& runtime;
  std::vector<std::string> events;
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
