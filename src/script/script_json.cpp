#include "script/script_json.hpp"

#include <vector>

#include "runtime/controls.hpp"
#include "script/key_names.hpp"
#include "script/script_parser.hpp"
#include "script/state_dump.hpp"

namespace totechita::script {

namespace {

std::string member(std::string_view name, const std::string& text) {
  std::string json = ",\"";
  json += name;
  json += "\":";
  return json + json_quote(text);
}

std::string member(std::string_view name, std::int64_t number) {
  std::string json = ",\"";
  json += name;
  json += "\":";
  return json + std::to_string(number);
}

std::string ref_text(const Ref& ref) {
  std::string text = ref.form;
  if (!ref.control.empty()) text += (text.empty() ? "" : ".") + ref.control;
  return text + "." + ref.property;
}

std::string input_members(const Input& input) {
  return std::visit(Overloaded{
                        [](const KeyDown& key) {
                          return member("verb", "key") + member("key", key_word(key.key_code)) +
                                 member("code", key.key_code);
                        },
                        [](const Click& click) {
                          return member("verb", "click") + member("control", click.control);
                        },
                        [](const MenuCommand& menu) {
                          return member("verb", "menu") + member("item", menu.item);
                        },
                        [](const CloseBox& close) {
                          return member("verb", "close") + member("form", close.form);
                        },
                    },
                    input);
}

std::string action_members(const Action& action) {
  return std::visit(
      Overloaded{
          [](const Seed& seed) {
            return member("verb", "seed") + member("seed", static_cast<std::int64_t>(seed.seed));
          },
          [](const Wait& wait) { return member("verb", "wait") + member("ms", wait.milliseconds); },
          [](const Jump& jump) { return member("verb", "jump") + member("ms", jump.milliseconds); },
          [](const Until& until) {
            return member("verb", "until") +
                   (until.ref ? member("ref", ref_text(*until.ref))
                              : std::string(",\"ref\":null")) +
                   member("value", until.value) + member("ms", until.milliseconds);
          },
          [](const PlayerInput& player) {
            return input_members(player.input) + member("count", player.count);
          },
          [](const Set& set) {
            return member("verb", "set") + member("ref", ref_text(set.ref)) +
                   member("value", set.value);
          },
          [](const Print& print) {
            return member("verb", "print") + member("ref", ref_text(print.ref));
          },
          [](const Expect& expect) {
            return member("verb", "expect") + member("ref", ref_text(expect.ref)) +
                   member("value", expect.value);
          },
          [](const Dump& dump) { return member("verb", "dump") + member("form", dump.form); },
      },
      action);
}

// The lines as the parser numbers them, a carriage return before the newline dropped.
std::vector<std::string_view> lines_of(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
  }
  return lines;
}

}  // namespace

std::string script_json(std::string_view text) {
  auto parsed = parse_script(text);
  if (const auto* error = std::get_if<ParseError>(&parsed)) {
    return "{\"error\":{\"line\":" + std::to_string(error->line) +
           member("problem", error->problem) + "}}";
  }
  const std::vector<std::string_view> lines = lines_of(text);
  std::string json = "{\"commands\":[";
  const char* separator = "";
  for (const Command& command : std::get<std::vector<Command>>(parsed)) {
    json += separator;
    json += "{\"line\":" + std::to_string(command.line);
    json += member("text", std::string(lines[static_cast<std::size_t>(command.line) - 1]));
    json += action_members(command.action) + "}";
    separator = ",";
  }
  return json + "]}";
}

}  // namespace totechita::script
