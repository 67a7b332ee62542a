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
  std::string json = "{\"form\":" + json_quote(form.name());
  json += form.loaded() ? ",\"Loaded\":true" : ",\"Loaded\":false";
  json += ",\"Caption\":" + json_quote(form.design().caption) + ",\"controls\":{";
  const char* control_separator = "";
  for (const Control* control : form.controls()) {
    json += control_separator;
    json += json_quote(control->name());
    json += ":{";
    control_separator = ",";
    const char* property_separator = "";
    for (std::string_view property : property_names(*control)) {
      json += property_separator;
      json += '"';
      json += property;
      json += "\":";
      json += json_value(*read_property(*control, property));
      property_separator = ",";
    }
    json += '}';
  }
  return json + "}}";
}

std::string dump_unloaded_form(const std::string& name) {
  return "{\"form\":" + json_quote(name) + ",\"Loaded\":false}";
}

}  // namespace totechita
