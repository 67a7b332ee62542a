#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace totechita::script {

// The keys a script names by word (Left, Up, Right, Down, Enter, Backspace); any other key goes
// by its code.
std::optional<int> key_code_named(std::string_view word);
// The word for a key code, or the code itself as text.
std::string key_word(int key_code);

}  // namespace totechita::script
