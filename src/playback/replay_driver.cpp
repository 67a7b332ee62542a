#include "playback/replay_driver.hpp"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>

#include "script/script_runner.hpp"

namespace totechita::playback {

ReplayDriver::ReplayDriver(ScriptedSession& session, std::string_view script,
                           desktop::ClockDriver::TimeSource real_now)
    : m_session(session),
      m_jumps(script),
      m_real_now(std::move(real_now)),
      m_closer({}, [this] { return reading_time(); }) {}

void ReplayDriver::start() {
  m_started_at = m_real_now();
  m_session.start();
}

// A frame at a time, each when the real clock has come to it.
void ReplayDriver::advance_to(Millis time) {
  while (m_session.now() < time && !runtime().ended()) {
    const Millis frame = std::min(time, m_session.now() + desktop::ClockDriver::kFrame);
    const Millis real_wait = frame - (m_real_now() - m_started_at);
    if (real_wait > 0) {
      QEventLoop loop;
      QTimer::singleShot(static_cast<int>(real_wait), &loop, &QEventLoop::quit);
      // Left other than by its timer while the game goes on: the application is leaving every
      // event loop (a signal), and the replay stops with it.
      if (loop.exec() != 0 && !runtime().ended()) {
        throw script::ScriptError{script::kScriptFailed, "the replay was stopped"};
      }
    }
    m_session.run_until(frame);
  }
}

int ReplayDriver::reading_time() {
  const Millis now = runtime().scheduler().now();
  while (const auto jump = next_jump()) {
    if (jump->first >= now) return static_cast<int>(jump->second);
  }
  return 0;
}

std::optional<std::pair<Millis, Millis>> ReplayDriver::next_jump() {
  while (const script::Command* command = m_jumps.next()) {
    if (std::holds_alternative<script::Until>(command->action)) break;
    if (const auto* wait = std::get_if<script::Wait>(&command->action)) {
      m_jumps_time += wait->milliseconds;
    }
    if (const auto* jump = std::get_if<script::Jump>(&command->action)) {
      m_jumps_time += jump->milliseconds;
      return std::pair{m_jumps_time - jump->milliseconds, jump->milliseconds};
    }
  }
  m_jumps = script::ScriptReader({});
  return std::nullopt;
}

}  // namespace totechita::playback
