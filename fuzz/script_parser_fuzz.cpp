// Any bytes as a script: the parser either returns commands in line order or one problem on
// one line, naming a line that exists.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "script/script_parser.hpp"

namespace {

int count_lines(std::string_view text) {
  int lines = 0;
  for (char c : text)
    lines += c == '\n' ? 1 : 0;
  return lines + (text.empty() || text.back() == '\n' ? 0 : 1);
}

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace totechita::script;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = parse_script(text);
  const int lines = count_lines(text);
  if (const auto* error = std::get_if<ParseError>(&parsed)) {
    require(error->line >= 1 && error->line <= lines);
    require(!error->problem.empty() && error->problem.find('\n') == std::string::npos);
    return 0;
  }
  int previous = 0;
  for (const Command& command : std::get<std::vector<Command>>(parsed)) {
    require(command.line > previous && command.line <= lines);
    previous = command.line;
  }
  return 0;
}
