#pragma once

#include <ostream>
#include <vector>

#include "script/script_command.hpp"

namespace totechita::script {

inline constexpr int kScriptPassed = 0;
inline constexpr int kScriptFailed = 1;     // an expect or until failed, or a command came late
inline constexpr int kScriptMalformed = 2;  // a bad script, or the game stopped on an error

struct RunOptions {
  bool skip_quiet_ticks = true;
};

// Plays a parsed script on the headless platform: the program starts at t=0 with the title
// screen; events print as they happen ("t=1500 show Form2"), `print` and `dump` answer on
// `out`, problems go to `err` naming the line. Returns the exit status.
int run_script(const std::vector<Command>& commands, std::ostream& out, std::ostream& err,
               RunOptions options = {});

}  // namespace totechita::script
