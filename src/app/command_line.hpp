#pragma once

#include <string>

namespace totechita {

// What `totechita` was asked to do.
struct CommandLine {
  enum class Mode { play, record, replay, help, version };
  Mode mode = Mode::play;
  std::string file;   // the recording to write or to play
  std::string error;  // not empty: the arguments make no sense
};

CommandLine parse_command_line(int argc, const char* const* argv);

// What --help prints.
std::string usage_text();

}  // namespace totechita
