#include "recording.hpp"

#include <cstdlib>

#include "complain.hpp"

namespace totechita {

namespace {

// The recording of the game that is running, for a process that exits under it; an exit
// handler can reach only globals.
Recording* running = nullptr;

void finish_running() {
  if (running == nullptr) return;
  if (running->finish()) {
    complain("the game was cut short; it is recorded up to then");
  }
}

}  // namespace

std::variant<std::unique_ptr<Recording>, std::string> Recording::start(const std::string& file,
                                                                       std::uint64_t seed) {
  auto created = SafeFile::create(file);
  if (auto* problem = std::get_if<std::string>(&created)) return std::move(*problem);
  std::unique_ptr<Recording> recording(
      new Recording(std::get<std::unique_ptr<SafeFile>>(std::move(created)), seed));
  // The file takes no first line (a full disk): no game is started that could not be recorded.
  if (recording->m_recorder.stopped()) {
    return "cannot write " + file + ": " + recording->m_file->error();
  }
  return recording;
}

Recording::Recording(std::unique_ptr<SafeFile> file, std::uint64_t seed)
    : m_file(std::move(file)),
      m_recorder(m_file->stream(), seed, [this](const std::string&) { said_stop(); }) {}

Recording::~Recording() {
  if (running == this) running = nullptr;
}

void Recording::set_clock(std::function<Millis()> now) {
  static const bool exit_handled = std::atexit(finish_running) == 0;
  m_now = std::move(now);
  if (exit_handled) running = this;
}

bool Recording::finish() {
  if (running == this) running = nullptr;
  if (m_finished) return false;
  m_finished = true;
  if (m_now) m_recorder.finish(m_now());
  const std::string& target = m_file->target();
  if (!m_recorder.stopped()) {
    const std::optional<std::string> problem = m_file->replace_target();
    if (!problem) return true;
    complain(*problem + "; " + target + " is as it was, and the game is in " + m_file->temporary());
    return false;
  }
  m_file->keep();
  complain(problem() + "; " + target + " is as it was, and the game up to then is in " +
           m_file->temporary());
  return false;
}

std::string Recording::problem() const {
  if (m_file->error().empty()) return m_recorder.stopped().value_or("");
  return "cannot write the recording: " + m_file->error();
}

// Said while the game goes on, once the game has started; a recording that cannot start says
// why through start().
void Recording::said_stop() const {
  if (m_now) complain(problem() + "; the game goes on unrecorded");
}

}  // namespace totechita
