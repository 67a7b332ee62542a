#include "desktop/clock_driver.hpp"

#include <QElapsedTimer>
#include <algorithm>
#include <climits>
#include <memory>

namespace totechita::desktop {

ClockDriver::ClockDriver(Runtime& runtime, TimeSource real_now, std::function<void()> repaint)
    : m_follower(runtime, std::move(real_now)), m_repaint(std::move(repaint)) {
  m_timer.setSingleShot(true);
  m_timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { wake(); });
}

ClockDriver::TimeSource ClockDriver::elapsed_clock() {
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  return [clock] { return Millis{clock->elapsed()}; };
}

void ClockDriver::start() { finish_frame(); }

void ClockDriver::wake() {
  if (m_follower.serving()) return;
  m_follower.catch_up();
  finish_frame();
}

void ClockDriver::deliver(const Input& input) {
  if (m_follower.deliver(input)) finish_frame();
}

void ClockDriver::finish_frame() {
  m_last_frame = m_follower.real_now();
  m_repaint();
  plan_wake();
}

// Never sooner than a frame after the last one: ticks due meanwhile are served together.
void ClockDriver::plan_wake() {
  const std::optional<Millis> due = m_follower.next_due();
  if (!due) {
    m_planned_wake.reset();
    m_timer.stop();
    return;
  }
  m_planned_wake = std::max(*due, m_last_frame + kFrame);
  const Millis delay = std::clamp<Millis>(*m_planned_wake - m_follower.real_now(), 0, INT_MAX);
  m_timer.start(static_cast<int>(delay));
}

}  // namespace totechita::desktop
