#pragma once

#include <string_view>

#include "runtime/runtime.hpp"

namespace totechita {

// The program as a whole: its title, which its message boxes carry, and its start-up form.
inline constexpr std::string_view kProgramTitle = "KORUMEDOトテチータ";

// The menu command that ends the program.
inline constexpr std::string_view kExitCommand = "mnusuu";

// Starts the program on a runtime: the title screen at the runtime's time 0.
void start_program(Runtime& runtime);

}  // namespace totechita
