#include "web/form_description.hpp"

#include <cstdio>
#include <variant>
#include <vector>

#include "desktop/stacking_order.hpp"
#include "runtime/form.hpp"
#include "runtime/value_rules.hpp"
#include "script/state_dump.hpp"

namespace totechita::web {

namespace {

std::string color(Rgb rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
  return json_quote(text);
}

std::string menu(const std::vector<MenuItem>& items) {
  std::string json = "[";
  for (const MenuItem& item : items) {
    if (json.size() > 1) json += ',';
    json += "{\"name\":" + json_quote(item.name) + ",\"caption\":" + json_quote(item.caption) +
            ",\"children\":" + menu(item.children) + "}";
  }
  return json + "]";
}

std::string control(const Control& drawn) {
  std::string json = "{\"name\":" + json_quote(drawn.name());
  if (std::holds_alternative<PictureState>(drawn.peek())) {
    return json + ",\"kind\":\"picture\",\"asset\":" +
           json_quote(static_cast<const Picture&>(drawn).asset()) + "}";
  }
  const LabelStyle& style = static_cast<const Label&>(drawn).style();
  return json + ",\"kind\":\"label\",\"fore\":" + color(style.fore) +
         ",\"back\":" + color(style.back) + ",\"font\":" + json_quote(style.font_family) +
         ",\"points\":" + to_text(style.font_points) + "}";
}

}  // namespace

std::string describe_form(const Form& form) {
  const FormDesign& design = form.design();
  const bool borderless = design.border == BorderStyle::none;
  const bool centred = design.start == StartPosition::center_screen;
  std::string json = "{\"form\":" + json_quote(form.name());
  json += ",\"caption\":" + json_quote(design.caption);
  json += borderless ? ",\"border\":\"none\"" : ",\"border\":\"fixed_single\"";
  json += ",\"width\":" + to_text(design.client_width);
  json += ",\"height\":" + to_text(design.client_height);
  json += centred ? ",\"centred\":true" : ",\"centred\":false";
  json += ",\"back\":" + (design.back_color ? color(*design.back_color) : "null");
  json += ",\"menu\":" + menu(form.menu()) + ",\"controls\":[";
  const char* separator = "";
  for (const Control* drawn : desktop::stacking_order(form)) {
    json += separator + control(*drawn);
    separator = ",";
  }
  return json + "]}";
}

}  // namespace totechita::web
