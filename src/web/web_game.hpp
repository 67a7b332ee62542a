#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/clock_follower.hpp"
#include "runtime/runtime.hpp"
#include "script/script_recorder.hpp"
#include "web/web_platform.hpp"

namespace totechita::web {

// One game played in a web page: the runtime on the page's platform, its virtual clock following
// the page's real one (performance.now(), in whole milliseconds since the game started), written
// down as it is played in the script language, as `totechita --record` writes it.
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

  // The recording up to what the windows show now (the last instant served), a whole script
  // that plays to there; the game goes on being written after it.
  std::string recording();
  // Why the recording stopped short of the game (script_recorder.hpp), if it did.
  const std::optional<std::string>& recording_stopped() const { return m_recorder.stopped(); }

  Runtime& runtime() { return m_runtime; }
  WebPlatform& platform() { return m_platform; }

 private:
  void finish();

  WebPlatform m_platform;
  Runtime m_runtime;
  ClockFollower m_clock;
  std::string m_recording;
  script::ScriptRecorder m_recorder;
};

}  // namespace totechita::web
