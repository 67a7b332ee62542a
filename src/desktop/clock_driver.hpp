#pragma once

#include <QTimer>
#include <functional>
#include <optional>

#include "runtime/clock_follower.hpp"

namespace totechita::desktop {

// Drives the game's virtual clock from a real one with a Qt timer (the rules are the
// ClockFollower's): it sleeps until the next tick that can change something, or until input,
// and repaints what changed after each catch-up. While something changes every millisecond it
// wakes at most once a frame; input is served at once and repainted in the same frame.
class ClockDriver {
 public:
  using TimeSource = ClockFollower::TimeSource;
  static constexpr Millis kFrame = 16;
  static constexpr Millis kStallThreshold = ClockFollower::kStallThreshold;

  ClockDriver(Runtime& runtime, TimeSource real_now, std::function<void()> repaint);
  ClockDriver(const ClockDriver&) = delete;
  ClockDriver& operator=(const ClockDriver&) = delete;

  // Paints the first frame and sleeps until the first due tick.
  void start();
  // What the wake-up timer does: serve up to the real time, repaint, sleep again.
  void wake();
  // An input, delivered at the real time.
  void deliver(const Input& input);
  void note_clock_stopped() { m_follower.note_clock_stopped(); }
  Millis real_now() const { return m_follower.real_now(); }
  void set_observer(InputObserver& observer) { m_follower.set_observer(observer); }

  // When the driver will wake next (real time), or nothing when no timer can change anything.
  std::optional<Millis> planned_wake() const { return m_planned_wake; }

  // A real clock that starts now.
  static TimeSource elapsed_clock();

 private:
  void finish_frame();
  void plan_wake();

  ClockFollower m_follower;
  std::function<void()> m_repaint;
  QTimer m_timer;
  std::optional<Millis> m_planned_wake;
  Millis m_last_frame = 0;
};

}  // namespace totechita::desktop
