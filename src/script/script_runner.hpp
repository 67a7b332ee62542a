#pragma once

#include <ostream>
#include <string_view>

#include "script/script_command.hpp"
#include "script/script_driver.hpp"

namespace totechita::script {

inline constexpr int kScriptPassed = 0;
inline constexpr int kScriptFailed = 1;     // an expect or until failed, or a command came late
inline constexpr int kScriptMalformed = 2;  // a bad script, or the game stopped on an error

// Checks a script whole, then plays it through a driver, reading it a line at a time: the
// program starts at t=0 with the title screen; events print as they happen ("t=1500 show
// Form2"), `print` and `dump` answer on `out`, problems go to `err` naming the line. Returns the
// exit status. Every player of scripts runs this one function, so that one script gives one
// output whoever plays it.
int run_script(std::string_view text, ScriptDriver& driver, std::ostream& out, std::ostream& err);

// What totechita-script does with a script's text: run_script on the headless driver.
int run_headless(std::string_view text, std::ostream& out, std::ostream& err);

}  // namespace totechita::script
