#pragma once

#include "game/program.hpp"
#include "runtime/input.hpp"

namespace totechita::script {

// While a recorded game is being watched the player's own input is ignored, but for what ends the
// watching: a window's close box, or the menu's command that ends the program.
inline bool ends_watching(const Input& input) {
  if (std::holds_alternative<CloseBox>(input)) return true;
  const auto* command = std::get_if<MenuCommand>(&input);
  return command != nullptr && command->item == kExitCommand;
}

}  // namespace totechita::script
