#include "desktop/clock_driver.hpp"

#include <QElapsedTimer>
#include <algorithm>
#include <climits>
#include <memory>
#include <utility>

namespace totechita::desktop {

namespace {

// Sets a flag for the length of a scope.
class Serving {
 public:
  explicit Serving(bool& flag) : m_flag(flag) { m_flag = true; }
  ~Serving() { m_flag = false; }
  Serving(const Serving&) = delete;
  Serving& operator=(const Serving&) = delete;

 private:
  bool& m_flag;
};

}  // namespace

ClockDriver::ClockDriver(Runtime& runtime, TimeSource real_now, std::function<void()> repaint)
    : m_runtime(runtime), m_real_now(std::move(real_now)), m_repaint(std::move(repaint)) {
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

// A wake-up inside a message box opened by the game (a nested event loop) is ignored: the
// catch-up that opened the box plans the next one when it is over.
void ClockDriver::wake() {
  if (m_serving) return;
  catch_up();
  finish_frame();
}

void ClockDriver::deliver(const std::function<void()>& event) {
  if (m_serving || m_runtime.ended()) return;
  catch_up();
  {
    Serving serving(m_serving);
    event();
  }
  m_runtime.release_unloaded();
  finish_frame();
}

void ClockDriver::catch_up() {
  Scheduler& scheduler = m_runtime.scheduler();
  if (m_runtime.ended() || scheduler.busy()) return;
  const Millis now = m_real_now();
  {
    Serving serving(m_serving);
    if (m_jump_to) jump_to(*std::exchange(m_jump_to, std::nullopt));
    const std::optional<Millis> due = scheduler.next_due();
    if (due && now - *due > kStallThreshold) {
      jump_to(now);
    } else {
      scheduler.advance_to(now);
    }
  }
  m_runtime.release_unloaded();
}

void ClockDriver::jump_to(Millis time) {
  Scheduler& scheduler = m_runtime.scheduler();
  if (time <= scheduler.now()) return;
  if (m_on_jump) m_on_jump(scheduler.now(), time);
  scheduler.jump_to(time);
}

void ClockDriver::finish_frame() {
  m_last_frame = m_real_now();
  m_repaint();
  plan_wake();
}

// Never sooner than a frame after the last one: ticks due meanwhile are served together.
void ClockDriver::plan_wake() {
  const std::optional<Millis> due =
      m_runtime.ended() ? std::nullopt : m_runtime.scheduler().next_due();
  if (!due) {
    m_planned_wake.reset();
    m_timer.stop();
    return;
  }
  m_planned_wake = std::max(*due, m_last_frame + kFrame);
  const Millis delay = std::clamp<Millis>(*m_planned_wake - m_real_now(), 0, INT_MAX);
  m_timer.start(static_cast<int>(delay));
}

}  // namespace totechita::desktop
