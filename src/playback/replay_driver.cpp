#include "playback/replay_driver.hpp"

#include <QEventLoop>
#include <QTimer>

#include "script/script_runner.hpp"

namespace totechita::playback {

ReplayDriver::ReplayDriver(ScriptedSession& session, std::string_view script,
                           desktop::ClockDriver::TimeSource real_now)
    : m_session(session), m_pace(script), m_real_now(std::move(real_now)), m_closer({}, [this] {
        return static_cast<int>(m_pace.reading_time(runtime().scheduler().now()));
      }) {}

void ReplayDriver::start() {
  m_pace.start(m_real_now());
  m_session.start();
}

// An instant at a time, each when the real clock has come to it.
void ReplayDriver::advance_to(Millis time) {
  while (m_session.now() < time && !runtime().ended()) {
    const Millis instant =
        script::WatchingPace::next_instant(m_session.now(), time, runtime().scheduler().next_due());
    const Millis real_wait = m_pace.real_wait(instant, m_real_now());
    if (real_wait > 0) {
      QEventLoop loop;
      QTimer::singleShot(static_cast<int>(real_wait), &loop, &QEventLoop::quit);
      // Left other than by its timer while the game goes on: the application is leaving every
      // event loop (a signal), and the replay stops with it.
      if (loop.exec() != 0 && !runtime().ended()) {
        throw script::ScriptError{script::kScriptFailed, "the replay was stopped"};
      }
    }
    m_session.run_until(instant);
  }
}

void ReplayDriver::jump(Millis milliseconds) {
  m_session.jump(milliseconds);
  m_pace.jumped(m_session.now(), m_real_now());
}

}  // namespace totechita::playback
