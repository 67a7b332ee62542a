// totechita-script: plays the game headless from a script and prints what happens.
#include <iostream>
#include <string>
#include <string_view>

#include "script/script_runner.hpp"
#include "script_file.hpp"

namespace {

constexpr const char* kUsage =
    "Usage: totechita-script [FILE | - | --help | --version]\n"
    "Plays KORUMEDO トテチータ headless from a script (FILE, or standard input without FILE or\n"
    "with -) on a virtual clock, and prints what happens. A script holds at most 16 MB and asks\n"
    "for at most 100 hours of game time, 2000000 inputs and 10000 dumps (man 6\n"
    "totechita-script has the language).\n"
    "\n"
    "Exit status: 0 when the script ran to its end; 1 when an expect or until failed or a\n"
    "command came after the program ended; 2 when the script cannot be read or is malformed,\n"
    "or the game stopped on a runtime error.\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace totechita::script;
  const std::string_view argument = argc == 2 ? argv[1] : "-";
  if (argument == "--help" || argument == "-h") {
    std::cout << kUsage;
    return kScriptPassed;
  }
  if (argument == "--version") {
    std::cout << "totechita-script " << TOTECHITA_VERSION << '\n';
    return kScriptPassed;
  }
  if (argc > 2 || (argument.starts_with('-') && argument != "-")) {
    std::cerr << "totechita-script: "
              << (argc > 2 ? "give one FILE at most" : "unknown option " + std::string(argument))
              << "\nTry 'totechita-script --help'.\n";
    return kScriptMalformed;
  }
  const totechita::ScriptFile file = totechita::read_script_file(std::string(argument));
  if (!file.problem.empty()) {
    std::cerr << "totechita-script: " << file.problem << '\n';
    return kScriptMalformed;
  }
  return run_headless(file.text, std::cout, std::cerr);
}
