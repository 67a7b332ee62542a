#include "web/form_description.hpp"

#include <algorithm>
#include <cstdio>
#include <vector>

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

// A control with a click handler: on a touch screen the page gives it a finger-sized target.
std::string clickable(const Control& control) {
  return control.on_click ? ",\"clickable\":true" : "";
}

std::string picture(const Picture& drawn) {
  return "{\"name\":" + json_quote(drawn.name()) +
         ",\"kind\":\"picture\",\"asset\":" + json_quote(drawn.asset()) + clickable(drawn) + "}";
}

std::string label(const Label& drawn) {
  const LabelStyle& style = drawn.style();
  return "{\"name\":" + json_quote(drawn.name()) +
         ",\"kind\":\"label\",\"fore\":" + color(style.fore) + ",\"back\":" + color(style.back) +
         ",\"font\":" + json_quote(style.font_family) +
         ",\"points\":" + to_text(style.font_points) + clickable(drawn) + "}";
}

// Pictures by layer, lowest first, in declaration order within a layer; every label above them.
std::vector<std::string> controls_in_drawing_order(const Form& form) {
  std::vector<const Picture*> pictures(form.pictures().begin(), form.pictures().end());
  std::stable_sort(pictures.begin(), pictures.end(),
                   [](const Picture* a, const Picture* b) { return a->layer() < b->layer(); });
  std::vector<std::string> controls;
  for (const Picture* drawn : pictures)
    controls.push_back(picture(*drawn));
  for (const Label* drawn : form.labels())
    controls.push_back(label(*drawn));
  return controls;
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
  for (const std::string& control : controls_in_drawing_order(form)) {
    json += separator + control;
    separator = ",";
  }
  return json + "]}";
}

}  // namespace totechita::web
