#pragma once

#include <functional>

#include "runtime/input.hpp"

namespace totechita::desktop {

// Where the windows send the player's input: the game, which brings its clock up to date before
// each input and repaints after it.
using SendInput = std::function<void(const Input& input)>;

}  // namespace totechita::desktop
