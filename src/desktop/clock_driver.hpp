#pragma once

#include <QTimer>
#include <functional>
#include <optional>

#include "runtime/runtime.hpp"

namespace totechita::desktop {

// Drives the game's virtual clock from a real one (milliseconds since the game started).
//
// It sleeps until the next tick that can change something (the scheduler skips quiet ones), or
// until input. It then serves every instant up to the real time in order, so the game does the
// same at any frame rate, and repaints what changed. While something changes every millisecond
// it wakes at most once a frame. Input is served at once: the clock first catches up, the event
// runs, and the windows are repainted in the same frame.
//
// A message box stops the clock; when it closes, or when the real clock has run far ahead of the
// next due tick (a stalled process), virtual time jumps to the real time and each overdue timer
// ticks once, without making up the ticks it missed.
class ClockDriver {
 public:
  using TimeSource = std::function<Millis()>;
  static constexpr Millis kFrame = 16;
  static constexpr Millis kStallThreshold = 250;

  ClockDriver(Runtime& runtime, TimeSource real_now, std::function<void()> repaint);
  ClockDriver(const ClockDriver&) = delete;
  ClockDriver& operator=(const ClockDriver&) = delete;

  // Paints the first frame and sleeps until the first due tick.
  void start();
  // What the wake-up timer does: serve up to the real time, repaint, sleep again.
  void wake();
  // An input event, run at the real time.
  void deliver(const std::function<void()>& event);
  // A message box has closed just now: the next catch-up jumps over the time it was open, to
  // this moment, and serves the time since in full.
  void note_clock_stopped() { m_jump_to = m_real_now(); }
  // Told of each jump of the virtual clock, from one time to the other, before it is made.
  void set_on_jump(std::function<void(Millis from, Millis to)> on_jump) {
    m_on_jump = std::move(on_jump);
  }

  // When the driver will wake next (real time), or nothing when no timer can change anything.
  std::optional<Millis> planned_wake() const { return m_planned_wake; }

  // A real clock that starts now.
  static TimeSource elapsed_clock();

 private:
  void catch_up();
  void finish_frame();
  void plan_wake();
  void jump_to(Millis time);

  Runtime& m_runtime;
  TimeSource m_real_now;
  std::function<void()> m_repaint;
  QTimer m_timer;
  std::optional<Millis> m_planned_wake;
  Millis m_last_frame = 0;
  bool m_serving = false;  // an event or a catch-up is running (a message box may be open in it)
  std::optional<Millis> m_jump_to;
  std::function<void(Millis from, Millis to)> m_on_jump;
};

}  // namespace totechita::desktop
