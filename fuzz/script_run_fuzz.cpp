// Short scripts played to their end: every run stops with a known status, and a failing one
// says why on exactly one line that names the command's line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "script/headless_driver.hpp"
#include "script/script_parser.hpp"
#include "script/script_runner.hpp"

namespace {

using namespace totechita::script;
using totechita::Millis;

// Long games are legal scripts but make slow inputs; the fuzzer looks for faults, not for
// patience, so it keeps to a few virtual minutes and a few thousand key presses.
constexpr Millis kMaxVirtualTime = 300'000;
constexpr int kMaxKeys = 5'000;

bool is_short(const std::vector<Command>& commands) {
  Millis time = 0;
  int keys = 0;
  for (const Command& command : commands) {
    if (const auto* wait = std::get_if<Wait>(&command.action)) time += wait->milliseconds;
    if (const auto* until = std::get_if<Until>(&command.action)) time += until->milliseconds;
    if (const auto* input = std::get_if<PlayerInput>(&command.action)) keys += input->count;
    if (time > kMaxVirtualTime || keys > kMaxKeys) return false;
  }
  return true;
}

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = parse_script(text);
  const auto* commands = std::get_if<std::vector<Command>>(&parsed);
  if (commands == nullptr || !is_short(*commands)) return -1;
  std::ostringstream out;
  std::ostringstream err;
  HeadlessDriver driver;
  const int status = run_script(text, driver, out, err);
  const std::string problem = err.str();
  if (status == kScriptPassed) {
    require(problem.empty());
    return 0;
  }
  require(status == kScriptFailed || status == kScriptMalformed);
  require(problem.starts_with("line ") && problem.find('\n') == problem.size() - 1);
  return 0;
}
