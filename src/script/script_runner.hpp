#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string_view>

#include "script/script_command.hpp"
#include "script/script_driver.hpp"

namespace totechita::script {

inline constexpr int kScriptPassed = 0;
inline constexpr int kScriptFailed = 1;     // an expect or until failed, or a command came late
inline constexpr int kScriptMalformed = 2;  // a bad script, or the game stopped on an error

// Where a session's text goes, as a stream would take it, each line ended by a newline: what it
// prints, and the problem that ends a script. The page's module, which has no streams (their
// locales would double its size), hands functions; the programs, streams.
struct ScriptOutput {
  using Printer = std::function<void(std::string_view text)>;
  Printer out;
  Printer err;
};

// A game played by a script through a driver: the program starts at t=0 with the title screen;
// events print as they happen ("t=1500 show Form2"), `print` and `dump` answer on `out`,
// problems go to `err` naming the line. Every player of scripts plays through it, so that one
// script gives one output whoever plays it. A script may come in parts, each going on where the
// last stopped.
class ScriptSession {
 public:
  ScriptSession(ScriptDriver& driver, ScriptOutput output);
  // `out` is flushed before a problem goes to `err`, which may be the same terminal.
  ScriptSession(ScriptDriver& driver, std::ostream& out, std::ostream& err);
  ~ScriptSession();
  ScriptSession(const ScriptSession&) = delete;
  ScriptSession& operator=(const ScriptSession&) = delete;

  // Starts the program, unless it has started.
  void start();
  // Checks a script (or a part of one) whole, starts the program, then plays the script reading
  // it a line at a time, and returns the exit status: at the first command that fails, its
  // problem is said and nothing after it is played; a malformed script plays nothing.
  int play(std::string_view text);

 private:
  class Player;
  ScriptOutput m_output;
  std::unique_ptr<Player> m_player;
};

// A whole script in one session: a malformed one starts no program and prints no event.
int run_script(std::string_view text, ScriptDriver& driver, ScriptOutput output);
int run_script(std::string_view text, ScriptDriver& driver, std::ostream& out, std::ostream& err);

// What totechita-script does with a script's text: run_script on the headless driver.
int run_headless(std::string_view text, std::ostream& out, std::ostream& err);

}  // namespace totechita::script
