#pragma once

#include <cstdio>
#include <string>

namespace totechita {

// One line on standard error after the game's name, through stdio: the game leaves <iostream>
// out (stdio_stream.hpp says why).
inline void complain(const std::string& text) {
  std::fputs(("totechita: " + text + '\n').c_str(), stderr);
}

}  // namespace totechita
