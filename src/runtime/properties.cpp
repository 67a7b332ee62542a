#include "runtime/properties.hpp"

#include <algorithm>
#include <array>

#include "runtime/controls.hpp"
#include "runtime/runtime_error.hpp"
#include "runtime/value_rules.hpp"

namespace totechita {

namespace {

constexpr std::array<std::string_view, 5> kPictureProperties{"Left", "Top", "Width", "Height",
                                                             "Visible"};
constexpr std::array<std::string_view, 5> kLabelProperties{"Caption", "Left", "Top", "Width",
                                                           "Height"};
constexpr std::array<std::string_view, 5> kTextBoxProperties{"Text", "Left", "Top", "Width",
                                                             "Height"};
constexpr std::array<std::string_view, 1> kTimerProperties{"Interval"};

std::optional<PropertyValue> read_bounds(const Bounds& b, std::string_view property) {
  if (property == "Left") return static_cast<double>(b.left);
  if (property == "Top") return static_cast<double>(b.top);
  if (property == "Width") return static_cast<double>(b.width);
  if (property == "Height") return static_cast<double>(b.height);
  return std::nullopt;
}

std::optional<PropertyValue> read_state(const PictureState& s, std::string_view property) {
  if (property == "Visible") return s.visible;
  return read_bounds(s.bounds, property);
}
std::optional<PropertyValue> read_state(const LabelState& s, std::string_view property) {
  if (property == "Caption") return s.caption;
  return read_bounds(s.bounds, property);
}
std::optional<PropertyValue> read_state(const TextBoxState& s, std::string_view property) {
  if (property == "Text") return s.text;
  return read_bounds(s.bounds, property);
}
std::optional<PropertyValue> read_state(const TimerState& s, std::string_view property) {
  if (property == "Interval") return static_cast<double>(s.interval);
  return std::nullopt;
}

// Left, Top, Width and Height of any control that has them.
template <class C>
PropertyWrite write_bounds(C& control, std::string_view property, std::string_view value) {
  void (C::*setter)(Twips) = nullptr;
  if (property == "Left") setter = &C::set_left;
  if (property == "Top") setter = &C::set_top;
  if (property == "Width") setter = &C::set_width;
  if (property == "Height") setter = &C::set_height;
  if (setter == nullptr) return PropertyWrite::no_such_property;
  (control.*setter)(to_single(value));
  return PropertyWrite::done;
}

PropertyWrite write_to(Control& control, std::string_view property, std::string_view value) {
  return visit_control(
      control, Overloaded{
                   [&](Picture& picture) {
                     if (property != "Visible") return write_bounds(picture, property, value);
                     if (value != "true" && value != "false") return PropertyWrite::bad_value;
                     picture.set_visible(value == "true");
                     return PropertyWrite::done;
                   },
                   [&](Label& label) {
                     if (property != "Caption") return write_bounds(label, property, value);
                     label.set_caption(std::string(value));
                     return PropertyWrite::done;
                   },
                   [&](TextBox& field) {
                     if (property != "Text") return write_bounds(field, property, value);
                     field.set_text(std::string(value));
                     return PropertyWrite::done;
                   },
                   [&](Timer& timer) {
                     if (property != "Interval") return PropertyWrite::no_such_property;
                     const double interval = to_number(value);
                     if (interval != whole_part(interval) || interval < 0 || interval > 65535) {
                       return PropertyWrite::bad_value;
                     }
                     timer.set_interval(static_cast<std::int32_t>(interval));
                     return PropertyWrite::done;
                   },
               });
}

}  // namespace

bool is_property_name(std::string_view property) {
  for (auto names : {std::span<const std::string_view>(kPictureProperties),
                     std::span<const std::string_view>(kLabelProperties),
                     std::span<const std::string_view>(kTextBoxProperties),
                     std::span<const std::string_view>(kTimerProperties)}) {
    if (std::find(names.begin(), names.end(), property) != names.end()) return true;
  }
  return false;
}

std::optional<PropertyValue> read_property(const Control& control, std::string_view property) {
  return std::visit([&](const auto& state) { return read_state(state, property); }, control.peek());
}

PropertyWrite write_property(Control& control, std::string_view property, std::string_view value) {
  if (!read_property(control, property)) return PropertyWrite::no_such_property;
  try {
    return write_to(control, property, value);
  } catch (const RuntimeError&) {
    return PropertyWrite::bad_value;
  }
}

std::string format_value(const PropertyValue& value) {
  if (const auto* number = std::get_if<double>(&value)) return to_text(*number);
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "true" : "false";
  return std::get<std::string>(value);
}

std::span<const std::string_view> property_names(const Control& control) {
  return visit_control(
      control,
      Overloaded{
          [](const Picture&) { return std::span<const std::string_view>(kPictureProperties); },
          [](const Label&) { return std::span<const std::string_view>(kLabelProperties); },
          [](const TextBox&) { return std::span<const std::string_view>(kTextBoxProperties); },
          [](const Timer&) { return std::span<const std::string_view>(kTimerProperties); },
      });
}

}  // namespace totechita
