#include "script/script_lookup.hpp"

#include "runtime/runtime_error.hpp"
#include "runtime/value_rules.hpp"
#include "script/script_driver.hpp"
#include "script/script_runner.hpp"

namespace totechita::script {

const MenuItem* find_menu_item(const std::vector<MenuItem>& items, std::string_view key) {
  for (const MenuItem& item : items) {
    if (item.name == key || (item.caption == key && !item.is_separator())) return &item;
    if (const MenuItem* found = find_menu_item(item.children, key)) return found;
  }
  return nullptr;
}

namespace {

Form& active_form(const Runtime& runtime) {
  Form* form = runtime.active_form();
  if (form == nullptr) throw ScriptError{kScriptFailed, "no form is loaded"};
  return *form;
}

}  // namespace

Input resolve_input(const Runtime& runtime, Input input) {
  std::visit(
      Overloaded{
          [](KeyDown&) {},
          [&](Click& click) {
            const Form& form = active_form(runtime);
            if (form.find(click.control) == nullptr) {
              throw ScriptError{kScriptMalformed, form.name() + " has no control " + click.control};
            }
            click.form = form.name();
          },
          [&](MenuCommand& command) {
            const Form& form = active_form(runtime);
            const MenuItem* item = find_menu_item(form.menu(), command.item);
            if (item == nullptr) {
              throw ScriptError{kScriptMalformed,
                                form.name() + " has no menu item " + command.item};
            }
            command = {.form = form.name(), .item = item->name};
          },
          [&](CloseBox& close) {
            if (runtime.find_form(close.form) == nullptr) {
              throw ScriptError{kScriptMalformed, close.form + " is not loaded"};
            }
          },
      },
      input);
  return input;
}

bool value_matches(const PropertyValue& actual, const std::string& expected) {
  if (format_value(actual) == expected) return true;
  const double* number = std::get_if<double>(&actual);
  try {
    return number != nullptr && to_number(expected) == *number;
  } catch (const RuntimeError&) {
    return false;
  }
}

}  // namespace totechita::script
