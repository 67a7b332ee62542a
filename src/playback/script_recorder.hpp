#pragma once

#include <cstdint>
#include <optional>
#include <ostream>

#include "desktop/input_observer.hpp"

namespace totechita::desktop {

// Writes a game as it is played, as a script of the script driver's language: the seed the game
// started with, then every input at the virtual time it reached the game, and every jump of the
// clock (a message box, a stall), so that the script plays the same game again exactly. Key
// downs of one key at one instant go on one line.
class ScriptRecorder final : public InputObserver {
 public:
  ScriptRecorder(std::ostream& out, std::uint64_t seed);
  ~ScriptRecorder() override { flush(); }
  ScriptRecorder(const ScriptRecorder&) = delete;
  ScriptRecorder& operator=(const ScriptRecorder&) = delete;

  void key_down(Millis time, int key_code) override;
  void click(Millis time, const Control& control) override;
  void choose(Millis time, const MenuItem& item) override;
  void close(Millis time, const Form& form) override;
  void jumped(Millis from, Millis to) override;

  // Writes out the key downs still held back.
  void flush();
  // The game is over at `time`: the script waits until then, so that it plays to the end.
  void finish(Millis time);

 private:
  void line(Millis time, const std::string& command);

  std::ostream& m_out;
  Millis m_written_to = 0;
  struct HeldKeys {
    Millis time;
    int code;
    int count;
  };
  std::optional<HeldKeys> m_keys;
};

}  // namespace totechita::desktop
