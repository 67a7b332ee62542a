#include "script/script_runner.hpp"

#include "runtime/properties.hpp"
#include "script/headless_driver.hpp"
#include "script/script_lookup.hpp"
#include "script/script_parser.hpp"
#include "script/state_query.hpp"

namespace totechita::script {

namespace {

// Appended piece by piece: GCC 12 at -O3 warns wrongly about "literal" + std::string&&.
std::string line_of(std::string_view first, std::string_view second = {},
                    std::string_view third = {}) {
  std::string line(first);
  line += second;
  line += third;
  line += '\n';
  return line;
}

ScriptOutput::Printer stream_printer(std::ostream& stream, std::ostream* flushed_first = nullptr) {
  return [&stream, flushed_first](std::string_view text) {
    if (flushed_first != nullptr) flushed_first->flush();
    stream << text;
  };
}

}  // namespace

class ScriptSession::Player {
 public:
  Player(ScriptDriver& driver, const ScriptOutput::Printer& out)
      : m_driver(driver), m_runtime(driver.runtime()), m_out(out) {
    m_runtime.set_trace([this](Millis time, std::string_view line) {
      m_out(line_of("t=", std::to_string(time) + ' ', line));
    });
  }
  // A driver may run the game on after its script, as watching a recording does. The printer goes
  // with the session, so the events printed end with the script, as the script driver's do.
  ~Player() { m_runtime.set_trace({}); }
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  void start() {
    if (m_started) return;
    m_started = true;
    m_driver.start();
  }

  void play(const Command& command) {
    if (m_runtime.ended() && !std::holds_alternative<Seed>(command.action)) {
      throw ScriptError{kScriptFailed, "the program has already ended"};
    }
    std::visit([this](const auto& action) { perform(action); }, command.action);
    m_runtime.release_unloaded();
    if (m_runtime.ended() && m_runtime.exit_status() != 0) {
      throw ScriptError{kScriptMalformed, "the game stopped on a runtime error"};
    }
  }

 private:
  void perform(const Seed& seed) { m_runtime.random().reseed(seed.seed); }
  void perform(const Wait& wait) {
    m_driver.advance_to(m_runtime.scheduler().now() + wait.milliseconds);
  }
  void perform(const Jump& jump) { m_driver.jump(jump.milliseconds); }
  // Looks at every instant that can change something, so that every driver stops at the same
  // one.
  void perform(const Until& until) {
    Scheduler& scheduler = m_runtime.scheduler();
    const Millis deadline = scheduler.now() + until.milliseconds;
    while (!until_reached(m_runtime, until)) {
      if (m_runtime.ended() && m_runtime.exit_status() != 0) return;  // said by play()
      const std::optional<Millis> due = m_runtime.ended() ? std::nullopt : scheduler.next_due();
      if (!due || *due > deadline) {
        m_driver.advance_to(deadline);
        throw ScriptError{kScriptFailed, until_failure(m_runtime, until)};
      }
      m_driver.advance_to(*due);
    }
  }
  void perform(const PlayerInput& player) {
    for (int i = 0; i < player.count && !m_runtime.ended(); ++i)
      m_driver.input(resolve_input(m_runtime, player.input));
  }
  void perform(const Set& set) {
    if (set.ref.control.empty()) {
      throw ScriptError{kScriptMalformed, set.ref.form + "." + set.ref.property + " is read-only"};
    }
    Control& control = control_of_ref(m_runtime, set.ref);
    PropertyWrite result = PropertyWrite::done;
    m_runtime.change([&] { result = write_property(control, set.ref.property, set.value); });
    if (result == PropertyWrite::no_such_property) {
      throw ScriptError{kScriptMalformed, control.name() + " has no property " + set.ref.property};
    }
    if (result == PropertyWrite::bad_value) {
      throw ScriptError{kScriptMalformed,
                        "\"" + set.value + "\" is not a value for " + set.ref.property};
    }
  }
  void perform(const Print& print) { m_out(line_of(printed_value(m_runtime, print.ref))); }
  void perform(const Expect& expect) {
    if (auto failure = expect_failure(m_runtime, expect)) {
      throw ScriptError{kScriptFailed, std::move(*failure)};
    }
  }
  void perform(const Dump& dump) { m_out(dump_lines(m_runtime, dump.form)); }

  ScriptDriver& m_driver;
  Runtime& m_runtime;
  const ScriptOutput::Printer& m_out;
  bool m_started = false;
};

ScriptSession::ScriptSession(ScriptDriver& driver, ScriptOutput output)
    : m_output(std::move(output)), m_player(std::make_unique<Player>(driver, m_output.out)) {}

ScriptSession::ScriptSession(ScriptDriver& driver, std::ostream& out, std::ostream& err)
    : ScriptSession(driver, {stream_printer(out), stream_printer(err, &out)}) {}

ScriptSession::~ScriptSession() = default;

void ScriptSession::start() { m_player->start(); }

int ScriptSession::play(std::string_view text) {
  if (const std::optional<ParseError> error = check_script(text)) {
    m_output.err(line_of(describe(*error)));
    return kScriptMalformed;
  }
  start();
  ScriptReader reader(text);
  while (const Command* command = reader.next()) {
    try {
      m_player->play(*command);
    } catch (const ScriptError& error) {
      m_output.err(line_of("line ", std::to_string(command->line) + ": ", error.problem));
      return error.status;
    }
  }
  return kScriptPassed;
}

int run_script(std::string_view text, ScriptDriver& driver, ScriptOutput output) {
  return ScriptSession(driver, std::move(output)).play(text);
}

int run_script(std::string_view text, ScriptDriver& driver, std::ostream& out, std::ostream& err) {
  return ScriptSession(driver, out, err).play(text);
}

int run_headless(std::string_view text, std::ostream& out, std::ostream& err) {
  HeadlessDriver driver;
  return run_script(text, driver, out, err);
}

}  // namespace totechita::script
