// The functions the page's JavaScript calls. Input comes as a line of the script language
// ("key Left", "click Label3", "menu mnumosa", "close Form2"), read by the script's own parser;
// input for a form that is no longer loaded is dropped, as a click on a window that has just
// closed would be. The page plays a game or watches a recording, one at a time; the text of a
// recording comes through a buffer of the module's, which the page fills with the file's bytes
// as they are (a C string would stop at a zero byte and go through the little C stack).
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "script/input_line.hpp"
#include "script/script_driver.hpp"
#include "script/script_json.hpp"
#include "script/script_limits.hpp"
#include "script/script_parser.hpp"
#include "script/state_dump.hpp"
#include "script/state_query.hpp"
#include "web/web_game.hpp"
#include "web/web_watch.hpp"

namespace {

using totechita::web::WebGame;
using totechita::web::WebWatch;
namespace script = totechita::script;

std::unique_ptr<WebGame> game;
std::unique_ptr<WebWatch> watch;
std::string script_text;  // what the page hands in for web_check and web_watch

// The game played or watched.
totechita::Runtime* runtime() {
  if (game != nullptr) return &game->runtime();
  return watch != nullptr ? &watch->runtime() : nullptr;
}

// The text lives until the next call: the page copies it at once.
const char* handed_out(std::string text) {
  static std::string kept;
  kept = std::move(text);
  return kept.c_str();
}

// What `print`, `expect`, `until` (has it what it waits for, now?) and `dump` answer on the game
// as it is: {"output":"..."}, {"reached":false,"failure":"..."} or {"failure":"..."}.
std::string query(const script::Action& action) {
  using totechita::json_quote;
  const totechita::Runtime& runtime = *::runtime();
  if (const auto* print = std::get_if<script::Print>(&action)) {
    return "{\"output\":" + json_quote(script::printed_value(runtime, print->ref)) + "}";
  }
  if (const auto* dump = std::get_if<script::Dump>(&action)) {
    return "{\"output\":" + json_quote(script::dump_lines(runtime, dump->form)) + "}";
  }
  if (const auto* expect = std::get_if<script::Expect>(&action)) {
    const auto failure = script::expect_failure(runtime, *expect);
    return failure ? "{\"failure\":" + json_quote(*failure) + "}" : "{}";
  }
  if (const auto* until = std::get_if<script::Until>(&action)) {
    if (script::until_reached(runtime, *until)) return "{\"reached\":true}";
    return "{\"reached\":false,\"failure\":" + json_quote(script::until_failure(runtime, *until)) +
           "}";
  }
  return "{\"failure\":\"only print, expect, until and dump can be asked\"}";
}

}  // namespace

extern "C" {

// A new game: the previous one, if any, has ended.
EMSCRIPTEN_KEEPALIVE void web_start(double seed) {
  watch.reset();
  game = std::make_unique<WebGame>(static_cast<std::uint64_t>(seed));
  game->start();
}

// The game as played so far, as a script that plays it again (WebGame::recording).
EMSCRIPTEN_KEEPALIVE const char* web_recording() {
  return handed_out(game != nullptr ? game->recording() : "");
}

// Why the recording stopped short of the game, or nothing.
EMSCRIPTEN_KEEPALIVE const char* web_recording_stopped() {
  return handed_out(game != nullptr ? game->recording_stopped().value_or("") : "");
}

// The most a script may hold, so that the page reads no more of a file or a link than that.
EMSCRIPTEN_KEEPALIVE double web_max_script_bytes() {
  return static_cast<double>(script::kMaxScriptBytes);
}

// Room for `size` bytes of a script's text (one more than a script may hold at most), for the
// page to write into before web_check or web_watch.
EMSCRIPTEN_KEEPALIVE char* web_script_buffer(double size) {
  script_text.assign(
      std::min(static_cast<std::size_t>(std::max(size, 0.0)), script::kMaxScriptBytes + 1), '\0');
  return script_text.data();
}

// The text in the buffer checked whole by the script's reader: its first problem, or nothing.
EMSCRIPTEN_KEEPALIVE const char* web_check() {
  const auto error = script::check_script(script_text);
  return handed_out(error ? script::describe(*error) : "");
}

// Watches the script in the buffer (checked first), suspending the module between its
// instants; returns once the watching is over with why the script could not be played to its
// end, or nothing.
EMSCRIPTEN_KEEPALIVE const char* web_watch() {
  game.reset();
  watch = std::make_unique<WebWatch>(std::move(script_text));
  script_text.clear();
  return handed_out(watch->play());
}

EMSCRIPTEN_KEEPALIVE void web_wake() {
  if (game != nullptr) game->wake();
}

// One input, as a line of the script language; says whether the line was one.
EMSCRIPTEN_KEEPALIVE int web_input(const char* line) {
  auto parsed = script::parse_input_line(line);
  const auto* input = std::get_if<totechita::Input>(&parsed);
  if (input == nullptr) return 0;
  if (game != nullptr) game->deliver(*input);
  return 1;
}

// The dumps of the forms to draw in this animation frame (see WebPlatform::take_frame).
EMSCRIPTEN_KEEPALIVE const char* web_frame() {
  return handed_out(game != nullptr ? game->platform().take_frame() : "[]");
}

// The game as the script driver's `dump` shows it, with the name of the active form: what the
// page offers for looking into a game from the browser's console.
EMSCRIPTEN_KEEPALIVE const char* web_state() {
  if (runtime() == nullptr) return "null";
  const totechita::Form* active = runtime()->active_form();
  std::string json = "{\"active\":" + (active != nullptr ? totechita::json_quote(active->name())
                                                         : std::string("null"));
  json += ",\"forms\":[";
  const char* separator = "";
  for (const auto& form : runtime()->forms()) {
    json += separator + totechita::dump_form(*form);
    separator = ",";
  }
  return handed_out(json + "]}");
}

// A script checked by the game's own parser, as JSON (script_json.hpp): for players of scripts
// in the page and its tests.
EMSCRIPTEN_KEEPALIVE const char* web_script(const char* text) {
  return handed_out(script::script_json(text));
}

// The answer of one line of `print`, `expect`, `until` or `dump` on the game as it is now.
EMSCRIPTEN_KEEPALIVE const char* web_query(const char* line) {
  auto parsed = script::parse_script(line);
  const auto* commands = std::get_if<std::vector<script::Command>>(&parsed);
  if (runtime() == nullptr || commands == nullptr || commands->size() != 1) {
    return handed_out("{\"failure\":\"not one command\"}");
  }
  try {
    return handed_out(query(commands->front().action));
  } catch (const script::ScriptError& error) {
    return handed_out("{\"failure\":" + totechita::json_quote(error.problem) + "}");
  }
}

}  // extern "C"
