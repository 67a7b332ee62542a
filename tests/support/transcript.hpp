#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace totechita::testing {

// The event lines of a script's transcript ("t=1500 show Form2"), without the values it
// printed: what a screen shows.
inline std::vector<std::string> event_lines(const std::string& transcript) {
  std::vector<std::string> lines;
  std::istringstream in(transcript);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("t=")) lines.push_back(line);
  }
  return lines;
}

}  // namespace totechita::testing
