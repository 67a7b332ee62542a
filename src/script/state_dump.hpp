#pragma once

#include <string>

namespace totechita {

class Form;

// One line of JSON with a form's whole state: its window, and every control's properties in
// control order. Used by `dump` and to compare two runs of a game.
std::string dump_form(const Form& form);
std::string dump_unloaded_form(const std::string& name);

std::string json_quote(const std::string& text);

}  // namespace totechita
