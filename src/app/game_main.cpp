// totechita: the game on the desktop; it can also record a game as a script and replay one.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>

#include "command_line.hpp"
#include "desktop/application_setup.hpp"
#include "desktop/desktop_game.hpp"
#include "desktop/display_check.hpp"
#include "desktop/qt_startup_guard.hpp"
#include "game/program.hpp"
#include "playback/replay_driver.hpp"
#include "playback/script_recorder.hpp"
#include "script/script_parser.hpp"
#include "script/script_runner.hpp"
#include "stdio_stream.hpp"

namespace {

using namespace totechita;
using namespace totechita::desktop;

constexpr int kBadUse = 2;

void say(std::FILE* to, const std::string& text) { std::fputs(text.c_str(), to); }

int play(std::ostream* recording) {
  const auto seed =
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  DesktopGame game(seed, ClockDriver::elapsed_clock());
  std::unique_ptr<ScriptRecorder> recorder;
  if (recording != nullptr) {
    recorder = std::make_unique<ScriptRecorder>(*recording, seed);
    game.set_observer(*recorder);
  }
  game.start(start_program);
  const int status = QApplication::exec();
  if (recorder) recorder->finish(game.runtime().scheduler().now());
  return status;
}

// The recording plays through the interpreter, then the game goes on at its pace until it ends.
int replay(const std::vector<script::Command>& commands) {
  ScriptedSession session(0, ScriptedSession::Start::later);
  session.game().ignore_player_input(
      [](const MenuItem& item) { return item.name == kExitCommand; });
  ReplayDriver driver(session, commands);
  QTimer::singleShot(0, [&] {
    StdioStream out(stdout);
    StdioStream err(stderr);
    const int status = script::run_script(commands, driver, out, err);
    if (status != script::kScriptPassed) {
      QCoreApplication::exit(status);
      return;
    }
    driver.advance_to(std::numeric_limits<Millis>::max());
  });
  return QApplication::exec();
}

std::optional<std::vector<script::Command>> read_recording(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  if (!(file && text << file.rdbuf())) {
    say(stderr, "totechita: cannot read " + path + '\n');
    return std::nullopt;
  }
  auto parsed = script::parse_script(text.str());
  if (const auto* error = std::get_if<script::ParseError>(&parsed)) {
    say(stderr, path + ": line " + std::to_string(error->line) + ": " + error->problem + '\n');
    return std::nullopt;
  }
  return std::get<std::vector<script::Command>>(std::move(parsed));
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = parse_command_line(argc, argv);
  if (!line.error.empty()) {
    say(stderr, "totechita: " + line.error + "\nTry 'totechita --help'.\n");
    return kBadUse;
  }
  if (line.mode == CommandLine::Mode::help) {
    say(stdout, usage_text());
    return 0;
  }
  if (line.mode == CommandLine::Mode::version) {
    say(stdout, "totechita " TOTECHITA_VERSION "\n");
    return 0;
  }
  std::optional<std::vector<script::Command>> recording;
  if (line.mode == CommandLine::Mode::replay && !(recording = read_recording(line.file))) {
    return kBadUse;
  }
  // Made only to record: a stream sets up its locale, which a plain game never needs.
  std::unique_ptr<std::ofstream> record_to;
  if (line.mode == CommandLine::Mode::record) {
    record_to = std::make_unique<std::ofstream>(line.file, std::ios::binary);
    if (!*record_to) {
      say(stderr, "totechita: cannot write " + line.file + '\n');
      return 1;
    }
  }
  // Qt aborts when it finds no display, so look first and say it plainly.
  if (const auto reason = missing_display(process_environment)) {
    say(stderr, no_display_line(*reason) + '\n');
    return 1;
  }
  prepare_qt();
  auto guard = std::make_unique<QtStartupGuard>();  // a display that is named but not there
  QApplication app(argc, argv);
  guard.reset();
  configure_application();
  if (recording) return replay(*recording);
  return play(record_to.get());
}
