#include "runtime/clock_follower.hpp"

#include <utility>

namespace totechita {

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

ClockFollower::ClockFollower(Runtime& runtime, TimeSource real_now)
    : m_runtime(runtime), m_real_now(std::move(real_now)) {
  m_runtime.set_on_message_box_closed([this] { note_clock_stopped(); });
}

void ClockFollower::catch_up() {
  Scheduler& scheduler = m_runtime.scheduler();
  if (m_serving || m_runtime.ended() || scheduler.busy()) return;
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

bool ClockFollower::deliver(const Input& input) {
  if (m_serving || m_runtime.ended()) return false;
  catch_up();
  if (m_runtime.ended()) return false;  // the time caught up ended the program
  {
    Serving serving(m_serving);
    if (m_observer) m_observer->input(m_runtime.scheduler().now(), input);
    m_runtime.deliver(input);
  }
  m_runtime.release_unloaded();
  return true;
}

std::optional<Millis> ClockFollower::next_due() const {
  if (m_runtime.ended()) return std::nullopt;
  return m_runtime.scheduler().next_due();
}

void ClockFollower::jump_to(Millis time) {
  Scheduler& scheduler = m_runtime.scheduler();
  if (time <= scheduler.now()) return;
  if (m_observer) m_observer->jumped(scheduler.now(), time);
  scheduler.jump_to(time);
}

}  // namespace totechita
