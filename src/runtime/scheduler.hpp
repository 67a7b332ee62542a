#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "runtime/change_journal.hpp"
#include "runtime/controls.hpp"

namespace totechita {

// The virtual millisecond clock and the timer service.
//
// - Time is a whole number of virtual milliseconds, 0 when the program starts.
// - A timer armed at time t with Interval n is due at t + n; after a tick at t the next one is
//   due at t + n, unless the handler wrote the interval itself.
// - advance_to() moves to the earliest due tick and serves every timer due then in one pass, in
//   registration order (form creation order, then control order), each at most once. A timer
//   armed during a pass with interval 1 is due a millisecond later, so it ticks in the next
//   pass: interval-1 timers tick every millisecond, and two of them always alternate.
// - A timer's handler is never re-entered; a timer of an unloaded form never ticks.
// - jump_to() is for a clock that has run far ahead (a stalled process, a closed message box):
//   every overdue timer ticks once at the new time; missed ticks are not made up.
//
// Quiet ticks. A tick that changed nothing (no value, no timer's phase, no random draw, no
// message) will change nothing on its next tick either, as long as none of the controls it
// read or wrote has changed since: handlers keep no state outside control properties and read
// no clock but through the random source, whose use is a change. With skipping on, the
// scheduler passes over such ticks, keeping every timer's phase, and time moves straight to
// the next tick that can change something. Skipping never changes what a game does.
class Scheduler {
 public:
  // Runs one tick inside the runtime's error boundary and reports what it changed.
  using TickRunner = std::function<ChangeJournal::Outcome(Timer&)>;

  Scheduler(ChangeJournal& journal, TickRunner run_tick);

  Millis now() const { return m_now; }
  void set_skipping(bool on) { m_skipping = on; }
  bool skipping() const { return m_skipping; }
  // No more ticks: the program has ended.
  void halt() { m_halted = true; }

  void add(Timer& timer);     // a form was created: arm its timers of non-zero interval
  void remove(Timer& timer);  // its form was unloaded

  // The time of the next tick that may change something, if any timer runs.
  std::optional<Millis> next_due() const;
  // Serve the next due instant if it is not after `limit`; false when there is none.
  bool step(Millis limit);
  // Serve every due instant up to `target`, then stand at `target`.
  void advance_to(Millis target);
  // Stand at `target` at once; every overdue timer ticks there once.
  void jump_to(Millis target);
  // True while a pass is being served (a message box may be open inside it).
  bool busy() const { return m_in_pass; }

 private:
  bool known_quiet(const Timer& timer) const;
  void skip_quiet_ticks_before(Millis time);
  void run_pass();
  void tick(Timer& timer);

  ChangeJournal& m_journal;
  TickRunner m_run_tick;
  std::vector<Timer*> m_timers;
  Millis m_now = 0;
  bool m_skipping = true;
  bool m_halted = false;
  bool m_in_pass = false;
};

}  // namespace totechita
