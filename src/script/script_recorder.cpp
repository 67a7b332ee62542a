#include "script/script_recorder.hpp"

#include <algorithm>

#include "script/input_line.hpp"

namespace totechita::script {

namespace {

// Appended piece by piece: GCC 12 at -O3 warns wrongly about "literal" + std::string&&.
std::string command(std::string_view verb, Millis milliseconds) {
  std::string line(verb);
  line += ' ';
  line += std::to_string(milliseconds);
  return line;
}

}  // namespace

ScriptRecorder::ScriptRecorder(std::ostream& out, std::uint64_t seed, StopReport on_stop)
    : ScriptRecorder(
          [&out](std::string_view text) {
            out << text;
            out.flush();
            return static_cast<bool>(out);
          },
          seed, std::move(on_stop)) {}

ScriptRecorder::ScriptRecorder(Writer write, std::uint64_t seed, StopReport on_stop)
    : m_write(std::move(write)), m_on_stop(std::move(on_stop)) {
  put("# A game of KORUMEDO トテチータ as it was played; totechita-script FILE plays it again.\n"
      "seed " +
      std::to_string(seed) + '\n');
}

void ScriptRecorder::input(Millis time, const Input& input) {
  add(time, PlayerInput{input}, input_line(input));
}

void ScriptRecorder::jumped(Millis from, Millis to) {
  add(from, Jump{to - from}, command("jump", to - from));
  if (!m_stopped) m_written_to = to;
}

void ScriptRecorder::finish(Millis time) { add(time, std::nullopt, ""); }

void ScriptRecorder::add(Millis time, const std::optional<Action>& action,
                         const std::string& line) {
  if (m_stopped) return;
  ScriptBudget budget = m_budget;
  std::optional<std::string> too_much;
  std::string text;
  if (time > m_written_to) {
    too_much = budget.spend(Wait{time - m_written_to});
    text = command("wait", time - m_written_to) + '\n';
  }
  if (action && !too_much) {
    too_much = budget.spend(*action);
    text += line + '\n';
  }
  if (!too_much && m_bytes + text.size() > kMaxScriptBytes) {
    too_much = "the script would be larger than " + std::to_string(kMaxScriptBytes >> 20) + " MB";
  }
  if (too_much) return stop("the recording has come to the limits of a script (" + *too_much + ")");
  put(text);
  if (m_stopped) return;
  m_budget = budget;
  m_written_to = std::max(m_written_to, time);
}

void ScriptRecorder::put(const std::string& text) {
  if (!m_write(text)) return stop("the recording cannot be written");
  m_bytes += text.size();
}

void ScriptRecorder::stop(const std::string& why) {
  m_stopped = why;
  if (m_on_stop) m_on_stop(why);
}

}  // namespace totechita::script
