#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "script/script_command.hpp"

namespace totechita::script {

struct ParseError {
  int line = 0;
  std::string problem;
};

inline constexpr std::size_t kMaxLineBytes = 4096;
inline constexpr Millis kMaxWait = 100'000'000;  // about 28 hours of game time

// The whole script, checked before anything runs: a malformed line is reported by number and
// nothing is played.
std::variant<std::vector<Command>, ParseError> parse_script(std::string_view text);

}  // namespace totechita::script
