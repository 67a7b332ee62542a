#pragma once

#include <string>

namespace totechita {

class Control;
class Form;
struct FormDesign;

// One line of JSON with a form's whole state: its window, and every control's properties in
// control order. Used by `dump` and to compare two runs of a game.
std::string dump_form(const Form& form);
std::string dump_unloaded_form(const std::string& name);

// The members of a dump that never change in play, as JSON members ("Caption":...,"BorderStyle":
// ...): a form's window as designed, and how a control looks (a picture's asset and layer, a
// label's colours and font; nothing for the others).
std::string window_design_members(const FormDesign& design);
std::string control_design_members(const Control& control);

std::string json_quote(const std::string& text);

}  // namespace totechita
