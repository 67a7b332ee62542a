#include "command_line.hpp"

#include <string_view>

namespace totechita {

namespace {

CommandLine mistake(std::string error) {
  CommandLine line;
  line.error = std::move(error);
  return line;
}

}  // namespace

CommandLine parse_command_line(int argc, const char* const* argv) {
  CommandLine line;
  bool mode_given = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    CommandLine::Mode mode = CommandLine::Mode::play;
    if (argument == "--help" || argument == "-h") {
      mode = CommandLine::Mode::help;
    } else if (argument == "--version") {
      mode = CommandLine::Mode::version;
    } else if (argument == "--record" || argument == "--replay") {
      mode = argument == "--record" ? CommandLine::Mode::record : CommandLine::Mode::replay;
      if (i + 1 == argc) return mistake(std::string(argument) + " needs a FILE");
      line.file = argv[++i];
    } else {
      return mistake("unknown option " + std::string(argument));
    }
    if (mode_given) return mistake("give one option at most");
    mode_given = true;
    line.mode = mode;
  }
  return line;
}

std::string usage_text() {
  return "Usage: totechita [--record FILE | --replay FILE | --help | --version]\n"
         "KORUMEDO トテチータ: walk the face over the board with the arrow keys, craft water "
         "bombs\n"
         "(Backspace, or click the dry-ice count) and drop them with Enter on the enemies and the\n"
         "plane that the Game menu puts on the board.\n"
         "\n"
         "  --record FILE  play as usual and write the game to FILE as a script, which\n"
         "                 totechita-script FILE plays again headless, exactly; the game is\n"
         "                 written as it is played to FILE.unfinished-XXXXXX beside it, which\n"
         "                 replaces FILE when the game ends (a game killed outright stays there)\n"
         "  --replay FILE  show a recorded game at its own pace; only the close box and the\n"
         "                 menu's exit take the player's input, and end the replay\n"
         "  --help         print this help\n"
         "  --version      print the version\n"
         "\n"
         "Exit status: 0 when the game ended (recorded whole to FILE with --record), 1 without a\n"
         "display or when the recording could not be saved (FILE is then as it was), 2 for a bad\n"
         "option or a FILE to replay that cannot be read or played; SIGTERM, SIGINT and SIGHUP\n"
         "end the game as its close box does, the recording saved, then end it by the signal.\n";
}

}  // namespace totechita
