#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "script/script_command.hpp"

// How much a script may hold and ask of the game, so that whatever a script says, reading it
// takes little memory and playing it ends within about two minutes (a board made to change every
// millisecond for the whole of the time; a day of real play takes a second). Every reader of
// scripts checks them before anything plays, and the recorder keeps a recording within them.
namespace totechita::script {

inline constexpr std::size_t kMaxScriptBytes = std::size_t{16} << 20;
// Any one wait, jump or until.
inline constexpr Millis kMaxWait = 100'000'000;  // about 28 hours
// Waits and untils together, where every tick that can change something is served: up to 5
// seconds a virtual hour. Jumps are not counted: a jump serves each timer once.
inline constexpr Millis kMaxServedTime = 24 * 3'600'000;  // 24 hours
// Key-downs (a `key NAME COUNT` counts COUNT), clicks, menu commands and close boxes together.
inline constexpr std::int64_t kMaxInputs = 2'000'000;
// Each prints every control of the game.
inline constexpr int kMaxDumps = 10'000;

// What a script asks of the game so far, counted command by command against the limits.
class ScriptBudget {
 public:
  // Counts `action`; or, when it would take the script past a limit, counts nothing and says
  // which.
  std::optional<std::string> spend(const Action& action);

 private:
  Millis m_served = 0;
  std::int64_t m_inputs = 0;
  int m_dumps = 0;
};

}  // namespace totechita::script
