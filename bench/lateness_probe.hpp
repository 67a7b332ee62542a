#pragma once

#include "desktop/clock_driver.hpp"
#include "runtime/scheduler.hpp"

namespace totechita::bench {

// Looks over the clock driver's shoulder: at each reading of the real clock, how long the
// earliest due tick has been waiting (the virtual clock trailing the real one while there is
// something to do), and whether the virtual clock ever runs ahead of the real one.
class LatenessProbe {
 public:
  // The real clock as the driver should read it: through the probe.
  desktop::ClockDriver::TimeSource watch(desktop::ClockDriver::TimeSource real);
  void attach(const Scheduler& scheduler) { m_scheduler = &scheduler; }
  void reset() { m_worst_behind = m_worst_ahead = 0; }

  Millis worst_behind() const { return m_worst_behind; }
  Millis worst_ahead() const { return m_worst_ahead; }

 private:
  void note(Millis real);

  const Scheduler* m_scheduler = nullptr;
  Millis m_worst_behind = 0;
  Millis m_worst_ahead = 0;
};

}  // namespace totechita::bench
