#pragma once

#include <string>

#include "runtime/clock_follower.hpp"
#include "runtime/runtime.hpp"
#include "script/script_driver.hpp"
#include "script/watching_pace.hpp"
#include "web/web_platform.hpp"

namespace totechita::web {

// A recorded game watched in a web page as `totechita --replay` shows it: the script is played
// by the one interpreter (script::ScriptSession), its events going to the page's transcript,
// and the game's clock is a stepped one that moves at the recording's pace
// (script::WatchingPace) and never passes the script's next command. Between instants the module
// sleeps (Asyncify), handing the page the windows to draw; nothing calls into it meanwhile.
//
// The page wakes the sleep early with the player's input, of which only what ends the watching
// (script::ends_watching) reaches the game; or with a stop, when the page goes on to something
// else. A message box stays open as long as it did when the game was recorded; the player may
// close it sooner.
class WebWatch final : public script::ScriptDriver {
 public:
  explicit WebWatch(std::string script);
  WebWatch(const WebWatch&) = delete;
  WebWatch& operator=(const WebWatch&) = delete;

  // Plays the script, then lets the game go on at its pace until it ends or the page stops the
  // watching. Says why the script could not be played to its end, if it could not.
  std::string play();

  Runtime& runtime() override { return m_runtime; }
  void start() override;
  void input(const Input& input) override;
  void advance_to(Millis time) override;
  void jump(Millis milliseconds) override;

 private:
  // Sleeps until `milliseconds` have passed or the page wakes the watching early.
  void rest(Millis milliseconds);
  void take_player_input(const char* line);

  std::string m_script;
  script::WatchingPace m_pace;
  WebPlatform m_platform;
  Runtime m_runtime;
  Millis m_clock = 0;  // the real time the game's clock follows, moved by the watching
  ClockFollower m_follower;
  Millis m_rested_at = 0;  // the real time of the last rest
  bool m_player_ended = false;
  bool m_stopped = false;
};

}  // namespace totechita::web
