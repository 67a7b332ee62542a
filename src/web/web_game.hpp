#pragma once

#include <cstdint>
#include <optional>

#include "runtime/clock_follower.hpp"
#include "runtime/runtime.hpp"
#include "web/web_platform.hpp"

namespace totechita::web {

// One game in a web page: the runtime on the page's platform, its virtual clock following the
// page's real one (performance.now(), in whole milliseconds since the game started).
//
// The clock keeps the ClockFollower's rules, as the desktop's does. The page wakes the game only
// when a tick that can change something is due or input arrives; after either, the page is asked
// for an animation frame if a window shows something new, and for a wake-up at the next due
// tick. A hidden page wakes for nothing; when it shows again, the clock jumps as after a stall.
class WebGame {
 public:
  explicit WebGame(std::uint64_t seed);
  WebGame(const WebGame&) = delete;
  WebGame& operator=(const WebGame&) = delete;

  // Shows the title screen at virtual time 0.
  void start();
  // What the page's wake-up timer does.
  void wake();
  // An input, delivered at the real time; ignored while another event or a message box runs.
  void deliver(const Input& input);

  Runtime& runtime() { return m_runtime; }
  WebPlatform& platform() { return m_platform; }

 private:
  void finish();

  WebPlatform m_platform;
  Runtime m_runtime;
  ClockFollower m_clock;
};

}  // namespace totechita::web
