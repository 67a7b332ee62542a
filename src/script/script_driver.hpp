#pragma once

#include <string>

#include "runtime/runtime.hpp"

namespace totechita::script {

// A command that cannot be played, or a check that does not hold: the script ends with
// `status`, and `problem` is said on one line that names the script's line.
struct ScriptError {
  int status;
  std::string problem;
};

// What differs between the players of scripts: how input and the passing of time reach the
// game. The headless driver hands them straight to the runtime; the desktop's sends real window
// events and moves a stepped real clock. Everything else of the language is played the same way
// for all of them (script_runner.hpp). A driver may throw ScriptError for input it cannot give.
class ScriptDriver {
 public:
  virtual ~ScriptDriver() = default;

  virtual Runtime& runtime() = 0;
  // Starts the program with its title screen at t=0.
  virtual void start() = 0;
  // One input, whose form and menu item are named exactly (resolve_input, script_lookup.hpp).
  virtual void input(const Input& input) = 0;
  // Moves the clock on to `time`, serving every tick due up to it in order.
  virtual void advance_to(Millis time) = 0;
  // Moves the clock on by `milliseconds` at once, as after a message box or a stall: each
  // overdue timer ticks once there, and the ticks missed are not made up.
  virtual void jump(Millis milliseconds) = 0;
};

}  // namespace totechita::script
