#include "script/script_recorder.hpp"

#include <algorithm>

#include "script/input_line.hpp"

namespace totechita::script {

ScriptRecorder::ScriptRecorder(std::ostream& out, std::uint64_t seed) : m_out(out) {
  m_out
      << "# A game of KORUMEDO トテチータ as it was played; totechita-script FILE plays it again.\n"
      << "seed " << seed << '\n';
  m_out.flush();
}

void ScriptRecorder::input(Millis time, const Input& input) { line(time, input_line(input)); }

void ScriptRecorder::jumped(Millis from, Millis to) {
  std::string command = "jump ";  // not "jump " + ...: GCC 12 at -O3 warns wrongly about it
  command += std::to_string(to - from);
  line(from, command);
  m_written_to = to;
}

void ScriptRecorder::finish(Millis time) {
  wait_until(time);
  m_out.flush();
}

void ScriptRecorder::wait_until(Millis time) {
  if (time > m_written_to) m_out << "wait " << time - m_written_to << '\n';
  m_written_to = std::max(m_written_to, time);
}

void ScriptRecorder::line(Millis time, const std::string& command) {
  wait_until(time);
  m_out << command << '\n';
  m_out.flush();
}

}  // namespace totechita::script
