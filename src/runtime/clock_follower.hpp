#pragma once

#include <functional>
#include <optional>

#include "runtime/input.hpp"
#include "runtime/runtime.hpp"

namespace totechita {

// The game's virtual clock following a real one (milliseconds since the game started), for a
// front end that shows the game as it is played. What the front end adds is only when to wake
// and how to draw.
//
// A catch-up serves every instant up to the real time in order, so the game does the same at
// any rate of wake-ups; the front end wakes it when the next tick that can change something is
// due (the scheduler skips quiet ones). Input is served at once: the clock first catches up,
// then the input runs. A message box stops the clock; when it closes, or when the real clock has
// run far ahead of the next due tick (a stalled process, a hidden page), virtual time jumps to
// the real time and each overdue timer ticks once, without making up the ticks it missed. An
// observer hears of every input and every jump, at the virtual time each reached the game.
class ClockFollower {
 public:
  using TimeSource = std::function<Millis()>;
  static constexpr Millis kStallThreshold = 250;

  ClockFollower(Runtime& runtime, TimeSource real_now);
  ClockFollower(const ClockFollower&) = delete;
  ClockFollower& operator=(const ClockFollower&) = delete;

  Millis real_now() const { return m_real_now(); }
  // An event or a catch-up is running (a message box may be open inside it): a wake-up that
  // comes now is left to the one that opened the box, which plans the next when it is over.
  bool serving() const { return m_serving; }

  void catch_up();
  // Delivers `input` at the real time once the clock has caught up. Nothing runs, and it says
  // false, while another event or a message box is open, or once the program has ended.
  bool deliver(const Input& input);
  // The clock stood still until just now (a message box has closed, or the real clock was
  // stalled): the next catch-up jumps over that time, to this moment, and serves the time since
  // in full. Every message box of the runtime calls it when it closes.
  void note_clock_stopped() { m_jump_to = m_real_now(); }
  // `observer` (which outlives the clock) hears of each input before it runs and of each jump
  // before it is made.
  void set_observer(InputObserver& observer) { m_observer = &observer; }
  // The virtual time of the next tick that can change something; none once nothing can.
  std::optional<Millis> next_due() const;

 private:
  void jump_to(Millis time);

  Runtime& m_runtime;
  TimeSource m_real_now;
  bool m_serving = false;
  std::optional<Millis> m_jump_to;
  InputObserver* m_observer = nullptr;
};

}  // namespace totechita
