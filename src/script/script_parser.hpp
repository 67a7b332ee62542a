#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "script/script_command.hpp"
#include "script/script_limits.hpp"

namespace totechita::script {

struct ParseError {
  int line = 0;  // 0: the script as a whole
  std::string problem;
};

// "line N: PROBLEM", or the problem alone when it is the whole script's.
std::string describe(const ParseError& error);

// Any line but a comment.
inline constexpr std::size_t kMaxLineBytes = 4096;

// Reads a script a command at a time, checking each line as it comes and the script's limits
// with them (script_limits.hpp). It keeps one command, however long the script.
class ScriptReader {
 public:
  explicit ScriptReader(std::string_view text);

  // The next command; nothing at the end of the script, or at the first problem, which error()
  // then says.
  const Command* next();
  const std::optional<ParseError>& error() const { return m_error; }

 private:
  Action parse_line(std::string_view line);

  std::string_view m_rest;
  int m_line = 0;
  bool m_clock_moved = false;
  ScriptBudget m_budget;
  std::optional<Command> m_command;
  std::optional<ParseError> m_error;
};

// The whole script checked, nothing kept: its first problem, or nothing when it can be played.
std::optional<ParseError> check_script(std::string_view text);

// The whole script, checked before anything runs: a malformed line is reported by number and
// nothing is played.
std::variant<std::vector<Command>, ParseError> parse_script(std::string_view text);

}  // namespace totechita::script
