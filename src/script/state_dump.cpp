#include "script/state_dump.hpp"

#include <cstdio>

#include "runtime/controls.hpp"
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

std::string json_colour(const std::optional<Rgb>& colour) {
  if (!colour) return "null";
  char hex[16];
  std::snprintf(hex, sizeof hex, "\"#%02X%02X%02X\"", colour->red & 0xFF, colour->green & 0xFF,
                colour->blue & 0xFF);
  return hex;
}

}  // namespace

std::string window_design_members(const FormDesign& design) {
  std::string json = "\"Caption\":" + json_quote(design.caption) + ",\"BorderStyle\":";
  json += design.border == BorderStyle::none ? "\"none\"" : "\"fixed single\"";
  json += ",\"ClientWidth\":" + format_value(static_cast<double>(design.client_width));
  json += ",\"ClientHeight\":" + format_value(static_cast<double>(design.client_height));
  json += ",\"StartUpPosition\":";
  json += design.start == StartPosition::center_screen ? "\"center screen\""
                                                       : "\"window system default\"";
  json += design.in_taskbar ? ",\"ShowInTaskbar\":true" : ",\"ShowInTaskbar\":false";
  return json + ",\"BackColor\":" + json_colour(design.back_color);
}

std::string control_design_members(const Control& control) {
  return visit_control(control, Overloaded{
                                    [](const Picture& picture) {
                                      return "\"Picture\":" + json_quote(picture.asset()) +
                                             ",\"Layer\":" + std::to_string(picture.layer());
                                    },
                                    [](const Label& label) {
                                      const LabelStyle& style = label.style();
                                      return "\"ForeColor\":" + json_colour(style.fore) +
                                             ",\"BackColor\":" + json_colour(style.back) +
                                             ",\"FontName\":" + json_quote(style.font_family) +
                                             ",\"FontSize\":" + format_value(style.font_points);
                                    },
                                    [](const TextBox&) { return std::string(); },
                                    [](const Timer&) { return std::string(); },
                                });
}

std::string dump_form(const Form& form) {
  // Appended piece by piece: GCC 12 at -O3 takes `"literal" + std::string&&` for an
  // overlapping copy and warns (-Wrestrict).
  std::string json = "{\"form\":";
  json += json_quote(form.name());
  json += form.loaded() ? ",\"Loaded\":true," : ",\"Loaded\":false,";
  json += window_design_members(form.design());
  json += ",\"controls\":{";
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
    const std::string design = control_design_members(*control);
    if (!design.empty()) {
      json += ',';
      json += design;
    }
    json += '}';
  }
  return json + "}}";
}

std::string dump_unloaded_form(const std::string& name) {
  return "{\"form\":" + json_quote(name) + ",\"Loaded\":false}";
}

}  // namespace totechita
