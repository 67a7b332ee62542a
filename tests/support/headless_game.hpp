#pragma once

#include <string>
#include <vector>

#include "board/form2.hpp"
#include "board/key_codes.hpp"
#include "ending/form3.hpp"
#include "runtime/headless/headless_platform.hpp"
#include "runtime/runtime.hpp"
#include "runtime/value_rules.hpp"
#include "script/script_lookup.hpp"
#include "title/form1.hpp"

namespace totechita::testing {

// A whole game on the headless platform, started at t=0 with the title screen.
class HeadlessGame {
 public:
  explicit HeadlessGame(std::uint64_t seed = 0, bool skip_quiet_ticks = true)
      : runtime(platform, seed) {
    runtime.scheduler().set_skipping(skip_quiet_ticks);
    runtime.set_trace([this](Millis time, std::string_view line) {
      events.push_back("t=" + std::to_string(time) + " " + std::string(line));
    });
    runtime.start<Form1>();
  }

  // Past the title: the board was shown at 1500 ms.
  static constexpr Millis kBoardShown = 1500;

  Millis now() const { return runtime.scheduler().now(); }
  void wait(Millis milliseconds) {
    runtime.scheduler().advance_to(now() + milliseconds);
    runtime.release_unloaded();
  }
  void wait_until(Millis time) { wait(time - now()); }
  void key(int code, int count = 1) {
    for (int i = 0; i < count; ++i)
      runtime.key_down(code);
  }
  // Writes made from outside the game, to set up a case.
  template <class Action>
  void change(Action action) {
    runtime.change(action);
  }
  void choose(std::string_view item_name) {
    const MenuItem* item = script::find_menu_item(board().menu(), item_name);
    if (item != nullptr) runtime.choose(*item);
  }

  Form2& board() { return *static_cast<Form2*>(runtime.find_form("Form2")); }
  Form3& ending() { return *static_cast<Form3*>(runtime.find_form("Form3")); }
  bool loaded(std::string_view form) const { return runtime.find_form(form) != nullptr; }

  HeadlessPlatform platform;
  Runtime runtime;
  std::vector<std::string> events;
};

// A game standing on a fresh board, 1 ms before its first tick.
class BoardGame : public HeadlessGame {
 public:
  explicit BoardGame(std::uint64_t seed = 0, bool skip = true) : HeadlessGame(seed, skip) {
    wait_until(kBoardShown);
  }
};

}  // namespace totechita::testing
