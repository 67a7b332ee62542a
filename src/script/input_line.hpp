#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "runtime/input.hpp"
#include "script/script_parser.hpp"

namespace totechita::script {

// An input as a line of the script language: "key Left", "click Label3", "menu mnumosa",
// "close Form2". A click or a menu command names no form there: it goes to the active one.
std::string input_line(const Input& input);

// The one input that a line gives (a single key-down for `key`), or why it is not one.
std::variant<Input, ParseError> parse_input_line(std::string_view line);

}  // namespace totechita::script
