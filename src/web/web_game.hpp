#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "runtime/runtime.hpp"
#include "web/web_platform.hpp"

namespace totechita::web {

// One game in a web page: the runtime on the page's platform, its virtual clock following the
// page's real one (performance.now(), in whole milliseconds since the game started).
//
// The contract is the desktop clock driver's. The page wakes the game only when a tick that can
// change something is due (the scheduler skips quiet ones) or input arrives. A wake-up serves
// every instant up to the real time in order, so the game does the same at any rate of wake-ups;
// input first catches up, then runs. After either, the page is asked for an animation frame if a
// window shows something new, and for a wake-up at the next due tick. A message box stops the
// clock; when it closes, or when the real clock has run far ahead (a stalled or hidden page),
// virtual time jumps to the real time and each overdue timer ticks once.
class WebGame {
 public:
  static constexpr Millis kStallThreshold = 250;

  explicit WebGame(std::uint64_t seed);
  WebGame(const WebGame&) = delete;
  WebGame& operator=(const WebGame&) = delete;

  // Shows the title screen at virtual time 0.
  void start();
  // What the page's wake-up timer does.
  void wake();
  // An input event, run at the real time; ignored while another event or a message box runs.
  void deliver(const std::function<void()>& event);

  Runtime& runtime() { return m_runtime; }
  WebPlatform& platform() { return m_platform; }

 private:
  Millis real_now() const;
  void catch_up();
  void finish();

  WebPlatform m_platform;
  Runtime m_runtime;
  double m_started_at;
  bool m_serving = false;  // an event or a catch-up is running (a message box may be open in it)
  std::optional<Millis> m_jump_to;
};

}  // namespace totechita::web
