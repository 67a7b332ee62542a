#include "runtime/scheduler.hpp"

#include <algorithm>

namespace totechita {

Scheduler::Scheduler(ChangeJournal& journal, TickRunner run_tick)
    : m_journal(journal), m_run_tick(std::move(run_tick)) {}

void Scheduler::add(Timer& timer) {
  TimerState& schedule = timer.schedule();
  schedule.due = schedule.interval != 0 ? m_now + schedule.interval : 0;
  m_timers.push_back(&timer);
}

void Scheduler::remove(Timer& timer) {
  std::replace(m_timers.begin(), m_timers.end(), &timer, static_cast<Timer*>(nullptr));
}

bool Scheduler::known_quiet(const Timer& timer) const {
  if (!m_skipping || !timer.m_quiet.known) return false;
  return std::all_of(timer.m_quiet.touched.begin(), timer.m_quiet.touched.end(),
                     [&](const Control* c) { return c->revision() <= timer.m_quiet.revision; });
}

std::optional<Millis> Scheduler::next_due() const {
  std::optional<Millis> next;
  for (const Timer* timer : m_timers) {
    if (timer == nullptr || timer->schedule().interval == 0 || known_quiet(*timer)) continue;
    if (!next || timer->schedule().due < *next) next = timer->schedule().due;
  }
  return next;
}

// The quiet ticks before `time` would each have changed nothing: move their timers on by
// whole intervals so that they keep their phase.
void Scheduler::skip_quiet_ticks_before(Millis time) {
  for (Timer* timer : m_timers) {
    if (timer == nullptr || timer->schedule().interval == 0 || !known_quiet(*timer)) continue;
    TimerState& schedule = timer->schedule();
    if (schedule.due >= time) continue;
    const Millis missed = (time - schedule.due + schedule.interval - 1) / schedule.interval;
    schedule.due += missed * schedule.interval;
  }
}

bool Scheduler::step(Millis limit) {
  if (m_halted || m_in_pass) return false;
  const std::optional<Millis> next = next_due();
  if (!next || *next > limit) return false;
  skip_quiet_ticks_before(*next);
  m_now = std::max(m_now, *next);
  run_pass();
  return true;
}

void Scheduler::advance_to(Millis target) {
  if (m_in_pass) return;
  while (step(target)) {
  }
  if (m_halted || target < m_now) return;
  skip_quiet_ticks_before(target + 1);
  m_now = target;
}

void Scheduler::jump_to(Millis target) {
  if (m_halted || m_in_pass || target <= m_now) return;
  m_now = target;
  run_pass();
}

void Scheduler::run_pass() {
  m_in_pass = true;
  // Forms created during the pass append their timers; they are not due before the next one.
  for (std::size_t i = 0; i < m_timers.size() && !m_halted; ++i) {
    Timer* timer = m_timers[i];
    if (timer == nullptr) continue;
    TimerState& schedule = timer->schedule();
    if (schedule.interval == 0 || schedule.due > m_now) continue;
    schedule.due = m_now + schedule.interval;
    if (known_quiet(*timer) || timer->m_ticking) continue;
    tick(*timer);
  }
  m_in_pass = false;
  std::erase(m_timers, nullptr);
}

void Scheduler::tick(Timer& timer) {
  timer.m_ticking = true;
  ChangeJournal::Outcome outcome = m_run_tick(timer);
  timer.m_ticking = false;
  timer.m_quiet.known = outcome.quiet;
  if (outcome.quiet) {
    timer.m_quiet.revision = m_journal.revision();
    timer.m_quiet.touched = std::move(outcome.touched);
  }
}

}  // namespace totechita
