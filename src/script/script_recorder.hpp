#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "runtime/input.hpp"
#include "script/script_limits.hpp"

namespace totechita::script {

// Writes a game as it is played, as a script of the script driver's language: the seed the game
// started with, then every input at the virtual time it reached the game, and every jump of the
// clock (a message box, a stall), so that the script plays the same game again exactly. Each
// input is written with the wait before it in one piece and flushed at once: a game cut short
// keeps every input it had, and the script ends with a whole line.
//
// The recording stops, and says why once, when its stream fails or when the next line would
// take it past the limits of a script (script_limits.hpp), which no player could then read:
// what it holds up to there plays as the game did.
class ScriptRecorder final : public InputObserver {
 public:
  using StopReport = std::function<void(const std::string& why)>;
  // Writes a piece of the script and says whether it could (the page's module keeps a string:
  // it has no streams, whose locales would double its size).
  using Writer = std::function<bool(std::string_view text)>;

  ScriptRecorder(Writer write, std::uint64_t seed, StopReport on_stop = {});
  // Each piece is flushed at once.
  ScriptRecorder(std::ostream& out, std::uint64_t seed, StopReport on_stop = {});
  ScriptRecorder(const ScriptRecorder&) = delete;
  ScriptRecorder& operator=(const ScriptRecorder&) = delete;

  void input(Millis time, const Input& input) override;
  void jumped(Millis from, Millis to) override;

  // The game is over at `time`: the script waits until then, so that it plays to the end.
  void finish(Millis time);

  // Why the recording stopped before the game was over; nothing while it records.
  const std::optional<std::string>& stopped() const { return m_stopped; }

 private:
  // The waits up to `time`, then `action` written as `line`, if the limits allow them all.
  void add(Millis time, const std::optional<Action>& action, const std::string& line);
  void put(const std::string& text);
  void stop(const std::string& why);

  Writer m_write;
  StopReport m_on_stop;
  std::optional<std::string> m_stopped;
  ScriptBudget m_budget;
  std::size_t m_bytes = 0;
  Millis m_written_to = 0;
};

}  // namespace totechita::script
