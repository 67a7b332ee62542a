#include "lateness_probe.hpp"

#include <algorithm>

namespace totechita::bench {

desktop::ClockDriver::TimeSource LatenessProbe::watch(desktop::ClockDriver::TimeSource real) {
  return [this, real = std::move(real)] {
    const Millis now = real();
    note(now);
    return now;
  };
}

void LatenessProbe::note(Millis real) {
  if (m_scheduler == nullptr) return;
  if (const std::optional<Millis> due = m_scheduler->next_due(); due && *due <= real)
    m_worst_behind = std::max(m_worst_behind, real - *due);
  m_worst_ahead = std::max(m_worst_ahead, m_scheduler->now() - real);
}

}  // namespace totechita::bench
