#include "script/input_line.hpp"

#include "runtime/controls.hpp"
#include "script/key_names.hpp"

namespace totechita::script {

namespace {

// Appended piece by piece: GCC 12 at -O3 warns wrongly about "literal" + std::string&&.
std::string command(std::string_view verb, const std::string& word) {
  std::string line(verb);
  line += ' ';
  line += word;
  return line;
}

}  // namespace

std::string input_line(const Input& input) {
  return std::visit(Overloaded{
                        [](const KeyDown& key) { return command("key", key_word(key.key_code)); },
                        [](const Click& click) { return command("click", click.control); },
                        [](const MenuCommand& menu) { return command("menu", menu.item); },
                        [](const CloseBox& close) { return command("close", close.form); },
                    },
                    input);
}

std::variant<Input, ParseError> parse_input_line(std::string_view line) {
  auto parsed = parse_script(line);
  if (auto* error = std::get_if<ParseError>(&parsed)) return std::move(*error);
  const auto& commands = std::get<std::vector<Command>>(parsed);
  const auto* player =
      commands.size() == 1 ? std::get_if<PlayerInput>(&commands[0].action) : nullptr;
  if (player == nullptr || player->count != 1) {
    return ParseError{1, "expected one input: key NAME, click CONTROL, menu ITEM or close FORM"};
  }
  return player->input;
}

}  // namespace totechita::script
