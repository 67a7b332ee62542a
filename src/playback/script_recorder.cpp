#include "playback/script_recorder.hpp"

#include "runtime/form.hpp"
#include "script/key_names.hpp"

namespace totechita::desktop {

ScriptRecorder::ScriptRecorder(std::ostream& out, std::uint64_t seed) : m_out(out) {
  m_out
      << "# A game of KORUMEDO トテチータ as it was played; totechita-script FILE plays it again.\n"
      << "seed " << seed << '\n';
}

void ScriptRecorder::key_down(Millis time, int key_code) {
  if (m_keys && m_keys->time == time && m_keys->code == key_code) {
    ++m_keys->count;
    return;
  }
  flush();
  m_keys = HeldKeys{time, key_code, 1};
}

void ScriptRecorder::click(Millis time, const Control& control) {
  line(time, "click " + control.name());
}

void ScriptRecorder::choose(Millis time, const MenuItem& item) { line(time, "menu " + item.name); }

void ScriptRecorder::close(Millis time, const Form& form) { line(time, "close " + form.name()); }

void ScriptRecorder::jumped(Millis from, Millis to) {
  std::string command = "jump ";
  command += std::to_string(to - from);
  line(from, command);
  m_written_to = to;
}

void ScriptRecorder::flush() {
  if (!m_keys) return;
  const HeldKeys keys = *m_keys;
  m_keys.reset();
  // Appended piece by piece: GCC 12 at -O3 warns wrongly about "literal" + std::string&&.
  std::string command = "key ";
  command += script::key_word(keys.code);
  if (keys.count > 1) {
    command += ' ';
    command += std::to_string(keys.count);
  }
  line(keys.time, command);
}

void ScriptRecorder::finish(Millis time) {
  flush();
  if (time > m_written_to) m_out << "wait " << time - m_written_to << '\n';
  m_written_to = time;
  m_out.flush();
}

void ScriptRecorder::line(Millis time, const std::string& command) {
  flush();
  if (time > m_written_to) m_out << "wait " << time - m_written_to << '\n';
  m_written_to = time;
  m_out << command << '\n';
  m_out.flush();
}

}  // namespace totechita::desktop
