// The functions the page's JavaScript calls. Forms, controls and menu items are named as the
// script driver names them; input for a form that is no longer loaded is dropped, as a click on
// a window that has just closed would be.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <string>

#include "script/key_names.hpp"
#include "script/script_lookup.hpp"
#include "script/state_dump.hpp"
#include "web/web_game.hpp"

namespace {

using totechita::Control;
using totechita::Form;
using totechita::web::WebGame;

std::unique_ptr<WebGame> game;

Form* loaded_form(const char* name) {
  return game != nullptr ? game->runtime().find_form(name) : nullptr;
}

// The text lives until the next call: the page copies it at once.
const char* handed_out(std::string text) {
  static std::string kept;
  kept = std::move(text);
  return kept.c_str();
}

}  // namespace

extern "C" {

// A new game: the previous one, if any, has ended.
EMSCRIPTEN_KEEPALIVE void web_start(double seed) {
  game = std::make_unique<WebGame>(static_cast<std::uint64_t>(seed));
  game->start();
}

EMSCRIPTEN_KEEPALIVE void web_wake() {
  if (game != nullptr) game->wake();
}

// The key code of a key the script language names (Left, Up, Right, Down, Enter, Backspace): the
// page's keys map to these words, so that the codes are written once, in the runtime.
EMSCRIPTEN_KEEPALIVE int web_key_code(const char* word) {
  return totechita::script::key_code_named(word).value_or(0);
}

// A key-down with its Windows key code, for the active form.
EMSCRIPTEN_KEEPALIVE void web_key(int key_code) {
  if (game != nullptr) game->deliver([key_code] { game->runtime().key_down(key_code); });
}

EMSCRIPTEN_KEEPALIVE void web_click(const char* form_name, const char* control_name) {
  Form* form = loaded_form(form_name);
  Control* control = form != nullptr ? form->find(control_name) : nullptr;
  if (control != nullptr) game->deliver([control] { game->runtime().click(*control); });
}

EMSCRIPTEN_KEEPALIVE void web_menu(const char* form_name, const char* item_name) {
  Form* form = loaded_form(form_name);
  const totechita::MenuItem* item =
      form != nullptr ? totechita::script::find_menu_item(form->menu(), item_name) : nullptr;
  if (item != nullptr) game->deliver([item] { game->runtime().choose(*item); });
}

EMSCRIPTEN_KEEPALIVE void web_close(const char* form_name) {
  Form* form = loaded_form(form_name);
  if (form != nullptr) game->deliver([form] { game->runtime().close(*form); });
}

// The dumps of the forms to draw in this animation frame (see WebPlatform::take_frame).
EMSCRIPTEN_KEEPALIVE const char* web_frame() {
  return handed_out(game != nullptr ? game->platform().take_frame() : "[]");
}

// The game as the script driver's `dump` shows it, with the name of the active form: what the
// page offers for looking into a game from the browser's console, and to its tests.
EMSCRIPTEN_KEEPALIVE const char* web_state() {
  if (game == nullptr) return "null";
  const Form* active = game->runtime().active_form();
  std::string json = "{\"active\":" + (active != nullptr ? totechita::json_quote(active->name())
                                                         : std::string("null"));
  json += ",\"forms\":[";
  const char* separator = "";
  for (const auto& form : game->runtime().forms()) {
    json += separator + totechita::dump_form(*form);
    separator = ",";
  }
  return handed_out(json + "]}");
}

}  // extern "C"
