#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>

#include "runtime/input.hpp"
#include "safe_file.hpp"
#include "script/script_recorder.hpp"

namespace totechita {

// A game written to FILE as it is played (`totechita --record FILE`): a script recorder writing
// into a SafeFile, so that FILE is replaced only by a whole recording, whichever way the game
// ends, and a recording that fails leaves FILE as it was. A problem is said on standard error
// when it happens, and again when the game is over.
class Recording {
 public:
  // Starts the recording of a game with this seed; or says in a line why it cannot, having
  // left FILE as it was.
  static std::variant<std::unique_ptr<Recording>, std::string> start(const std::string& file,
                                                                     std::uint64_t seed);
  ~Recording();
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;

  InputObserver& recorder() { return m_recorder; }
  // Where the game's virtual time is read when the game is over. Should the process exit
  // while the game runs (Qt does when it loses the display), the recording is finished then.
  void set_clock(std::function<Millis()> now);
  // The game is over: the recording is finished and replaces FILE; or, having said why, it is
  // kept beside FILE. Says whether FILE now holds the whole game.
  bool finish();

 private:
  Recording(std::unique_ptr<SafeFile> file, std::uint64_t seed);
  std::string problem() const;
  void said_stop() const;

  std::unique_ptr<SafeFile> m_file;
  std::function<Millis()> m_now;  // before the recorder, which may say it stopped as it is made
  bool m_finished = false;
  script::ScriptRecorder m_recorder;
};

}  // namespace totechita
