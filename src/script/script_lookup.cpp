#include "script/script_lookup.hpp"

#include "runtime/runtime_error.hpp"
#include "runtime/value_rules.hpp"

namespace totechita::script {

const MenuItem* find_menu_item(const std::vector<MenuItem>& items, std::string_view key) {
  for (const MenuItem& item : items) {
    if (item.name == key || (item.caption == key && !item.is_separator())) return &item;
    if (const MenuItem* found = find_menu_item(item.children, key)) return found;
  }
  return nullptr;
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
