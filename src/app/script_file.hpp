#pragma once

#include <string>

namespace totechita {

// A script's text, or why there is none to play.
struct ScriptFile {
  std::string text;
  std::string problem;  // one line: "cannot read PATH: REASON", "PATH is larger than ..."
};

// Reads the script at `path` (standard input for "-") whole, but never more than a script may
// hold and one byte more (script_limits.hpp), so that memory stays small whatever the file is
// (/dev/zero included). Both programs read scripts this one way: an empty file is an empty
// script, and a file that cannot be read says why.
ScriptFile read_script_file(const std::string& path);

}  // namespace totechita
