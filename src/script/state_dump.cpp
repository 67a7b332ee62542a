#include "script/state_dump.hpp"

#include <cstdio>

#include "runtime/form.hpp"
#include "runtime/properties.hpp"
#include "runtime/runtime.hpp"

namespace totechita {

std::string json_quote(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

namespace {

std::string json_value(const PropertyValue& value) {
  if (std::holds_alternative<std::string>(value)) return json_quote(std::get<std::string>(value));
  return format_value(value);
}

}  // namespace

std::string dump_form(const Form& form) {
  std::string json = "{\"form\":" + json_quote(form.name()) +
                     ",\"Loaded\":" + (form.loaded() ? "true" : "false") +
                     ",\"Caption\":" + json_quote(form.design().caption) + ",\"controls\":{";
  bool first_control = true;
  for (const Control* control : form.controls()) {
    json += (first_control ? "" : ",") + json_quote(control->name()) + ":{";
    first_control = false;
    bool first_property = true;
    for (std::string_view property : property_names(*control)) {
      json += (first_property ? "\"" : ",\"") + std::string(property) + "\":";
      json += json_value(*read_property(*control, property));
      first_property = false;
    }
    json += "}";
  }
  return json + "}}";
}

std::string dump_unloaded_form(const std::string& name) {
  return "{\"form\":" + json_quote(name) + ",\"Loaded\":false}";
}

}  // namespace totechita
