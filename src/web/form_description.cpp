#include "web/form_description.hpp"

#include <vector>

#include "runtime/form.hpp"
#include "runtime/layout_units.hpp"
#include "runtime/value_rules.hpp"
#include "script/state_dump.hpp"

namespace totechita::web {

namespace {

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
std::string control(const Control& drawn) {
  return "{\"name\":" + json_quote(drawn.name()) + "," + control_design_members(drawn) +
         (drawn.on_click ? ",\"clickable\":true}" : "}");
}

}  // namespace

std::string describe_form(const Form& form) {
  std::string json = "{\"form\":" + json_quote(form.name()) + ",";
  json += window_design_members(form.design());
  json += ",\"TwipsPerPixel\":" + to_text(kTwipsPerPixel);
  json += ",\"DefaultFontSize\":" + to_text(kDefaultFontPoints);
  json += ",\"menu\":" + menu(form.menu()) + ",\"controls\":[";
  const char* separator = "";
  for (const Picture* picture : pictures_in_drawing_order(form)) {
    json += separator + control(*picture);
    separator = ",";
  }
  for (const Label* label : form.labels()) {
    json += separator + control(*label);
    separator = ",";
  }
  return json + "]}";
}

}  // namespace totechita::web
