#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "runtime/input.hpp"

namespace totechita::script {

// Writes a game as it is played, as a script of the script driver's language: the seed the game
// started with, then every input at the virtual time it reached the game, and every jump of the
// clock (a message box, a stall), so that the script plays the same game again exactly. Each
// line is written and flushed as it happens: a game cut short keeps every input it had.
class ScriptRecorder final : public InputObserver {
 public:
  ScriptRecorder(std::ostream& out, std::uint64_t seed);
  ScriptRecorder(const ScriptRecorder&) = delete;
  ScriptRecorder& operator=(const ScriptRecorder&) = delete;

  void input(Millis time, const Input& input) override;
  void jumped(Millis from, Millis to) override;

  // The game is over at `time`: the script waits until then, so that it plays to the end.
  void finish(Millis time);

 private:
  void wait_until(Millis time);
  void line(Millis time, const std::string& command);

  std::ostream& m_out;
  Millis m_written_to = 0;
};

}  // namespace totechita::script
