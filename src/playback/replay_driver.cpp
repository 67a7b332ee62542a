#include "playback/replay_driver.hpp"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace totechita::playback {

// The times of the jumps are known up to the first `until`, whose length depends on the game.
ReplayDriver::ReplayDriver(ScriptedSession& session, const std::vector<script::Command>& commands,
                           desktop::ClockDriver::TimeSource real_now)
    : m_session(session),
      m_real_now(std::move(real_now)),
      m_closer({}, [this] { return reading_time(); }) {
  Millis time = 0;
  for (const script::Command& command : commands) {
    if (std::holds_alternative<script::Until>(command.action)) break;
    if (const auto* wait = std::get_if<script::Wait>(&command.action)) time += wait->milliseconds;
    if (const auto* jump = std::get_if<script::Jump>(&command.action)) {
      m_jumps.emplace_back(time, jump->milliseconds);
      time += jump->milliseconds;
    }
  }
}

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
      loop.exec();
    }
    m_session.run_until(frame);
  }
}

int ReplayDriver::reading_time() {
  const Millis now = runtime().scheduler().now();
  while (m_next_jump < m_jumps.size() && m_jumps[m_next_jump].first < now)
    ++m_next_jump;
  if (m_next_jump == m_jumps.size()) return 0;
  return static_cast<int>(m_jumps[m_next_jump++].second);
}

}  // namespace totechita::playback
