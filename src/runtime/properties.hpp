#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "runtime/control.hpp"

// Properties by name, for tools that address controls from outside the game (the script
// driver, dumps): Left, Top, Width, Height, Visible, Caption, Text, Interval.
namespace totechita {

using PropertyValue = std::variant<double, bool, std::string>;

bool is_property_name(std::string_view property);

// Empty when the control has no such property.
std::optional<PropertyValue> read_property(const Control& control, std::string_view property);

enum class PropertyWrite { done, no_such_property, bad_value };
// Writes through the control's own setters, so that the change counts like a handler's.
PropertyWrite write_property(Control& control, std::string_view property, std::string_view value);

// As the value rules write values: numbers as shortest decimal text, booleans as true / false.
std::string format_value(const PropertyValue& value);

// The names of a control's properties, in a fixed order.
std::span<const std::string_view> property_names(const Control& control);

}  // namespace totechita
