#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/input.hpp"
#include "runtime/menu_item.hpp"
#include "runtime/properties.hpp"
#include "runtime/runtime.hpp"

// How a script names things and compares values; shared by every player of scripts.
namespace totechita::script {

// A menu item by name (`mnumosa`) or caption (`茂佐`), searched through submenus.
const MenuItem* find_menu_item(const std::vector<MenuItem>& items, std::string_view key);

// An input as a script names it, made exact for the game as it is now: a click or menu command
// goes to the active form, by name, and a menu item named by its caption by its name. Throws a
// ScriptError (script_driver.hpp) when the game has no such form, control or menu item.
Input resolve_input(const Runtime& runtime, Input input);

// A value matches when its text is the same, or, for a number, when the expected text is the
// same number ("4000" and "4000.0").
bool value_matches(const PropertyValue& actual, const std::string& expected);

}  // namespace totechita::script
