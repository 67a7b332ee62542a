// totechita: the game on the desktop; it can also record a game as a script and replay one.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <limits>
#include <memory>
#include <sstream>

#include "command_line.hpp"
#include "complain.hpp"
#include "desktop/application_setup.hpp"
#include "desktop/desktop_game.hpp"
#include "desktop/display_check.hpp"
#include "desktop/game_controllers.hpp"
#include "desktop/qt_startup_guard.hpp"
#include "game/program.hpp"
#include "playback/replay_driver.hpp"
#include "quit_signals.hpp"
#include "recording.hpp"
#include "script/script_parser.hpp"
#include "script/script_runner.hpp"
#include "script/watching.hpp"
#include "script_file.hpp"
#include "stdio_stream.hpp"

namespace {

using namespace totechita;
using namespace totechita::desktop;
using namespace totechita::playback;

constexpr int kNotDone = 1;  // no display, or a recording that is not saved whole
constexpr int kBadUse = 2;

void say(std::FILE* to, const std::string& text) { std::fputs(text.c_str(), to); }

// Plays a game, recording it to `record_to` when it is given.
int play(const std::string* record_to) {
  const auto seed =
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  std::unique_ptr<Recording> recording;
  if (record_to != nullptr) {
    auto started = Recording::start(*record_to, seed);
    if (const auto* problem = std::get_if<std::string>(&started)) {
      complain(*problem);
      return kNotDone;
    }
    recording = std::get<std::unique_ptr<Recording>>(std::move(started));
  }
  DesktopGame game(seed, ClockDriver::elapsed_clock());
  if (recording) {
    game.clock().set_observer(recording->recorder());
    recording->set_clock([&game] { return game.runtime().scheduler().now(); });
  }
  game.start(start_program);
  GameControllers pads(game);
  pads.watch_devices();
  const int status = QApplication::exec();
  return !recording || recording->finish() ? status : kNotDone;
}

// The recording plays through the interpreter, then the game goes on at its pace until it ends.
// The player's pads are heard as the keyboard is: only what ends the watching gets through.
// The player may stop watching at any time with the close box or the menu's exit.
int watch(const std::string& script, const QuitSignals& quit_signals) {
  ScriptedSession session(0, ScriptedSession::Start::later);
  bool player_ended = false;
  session.game().set_player_gate([&](const Input& input) {
    player_ended = player_ended || script::ends_watching(input);
    return script::ends_watching(input);
  });
  GameControllers pads(session.game());
  pads.watch_devices();
  ReplayDriver driver(session, script, ClockDriver::elapsed_clock());
  std::ostringstream problem;
  QTimer::singleShot(0, [&] {
    StdioStream out(stdout);
    const int status = script::run_script(script, driver, out, problem);
    if (status != script::kScriptPassed) {
      QCoreApplication::exit(status);
      return;
    }
    try {
      driver.advance_to(std::numeric_limits<Millis>::max());
    } catch (const script::ScriptError&) {  // the event loop is being left: so is the replay
    }
  });
  const int status = QApplication::exec();
  if (player_ended && session.game().runtime().ended()) return 0;
  if (quit_signals.received() == 0) say(stderr, problem.str());
  return status;
}

// The recording to replay, checked whole before any window opens.
std::optional<std::string> read_recording(const std::string& path) {
  ScriptFile file = read_script_file(path);
  if (!file.problem.empty()) {
    complain(file.problem);
    return std::nullopt;
  }
  if (const auto error = script::check_script(file.text)) {
    complain(path + ": " + script::describe(*error));
    return std::nullopt;
  }
  return std::move(file.text);
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = parse_command_line(argc, argv);
  if (!line.error.empty()) {
    complain(line.error + "\nTry 'totechita --help'.");
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
  std::optional<std::string> recording;
  if (line.mode == CommandLine::Mode::replay && !(recording = read_recording(line.file))) {
    return kBadUse;
  }
  // Qt aborts when it finds no display, so look first and say it plainly.
  if (const auto reason = missing_display(process_environment)) {
    say(stderr, no_display_line(*reason) + '\n');
    return kNotDone;
  }
  prepare_qt();
  auto guard = std::make_unique<QtStartupGuard>();  // a display that is named but not there
  QApplication app(argc, argv);
  guard.reset();
  configure_application();
  // Nothing is written before here, where the display is known to be there.
  const QuitSignals quit_signals;
  const int status = recording
                         ? watch(*recording, quit_signals)
                         : play(line.mode == CommandLine::Mode::record ? &line.file : nullptr);
  if (quit_signals.received() != 0) quit_signals.end_by_signal();
  return status;
}
