#include "script/watching_pace.hpp"

#include <algorithm>

#include "runtime/clock_follower.hpp"

namespace totechita::script {

WatchingPace::WatchingPace(std::string_view script) : m_reader(script) {}

void WatchingPace::start(Millis real_now) { m_real_at_zero = real_now; }

Millis WatchingPace::next_instant(Millis now, Millis target, std::optional<Millis> due) {
  return std::min(target, std::max(now + kFrame, due.value_or(now)));
}

Millis WatchingPace::real_wait(Millis instant, Millis real_now) const {
  return m_real_at_zero + instant - real_now;
}

void WatchingPace::jumped(Millis now, Millis real_now) { m_real_at_zero = real_now - now; }

Millis WatchingPace::reading_time(Millis time) {
  while (const Command* command = peek()) {
    const Action& action = command->action;
    if (m_read_to > time + ClockFollower::kStallThreshold) return 0;
    if (std::holds_alternative<PlayerInput>(action) && m_read_to > time) return 0;
    const Millis from = m_read_to;
    std::optional<Millis> jump;
    if (const auto* wait = std::get_if<Wait>(&action)) m_read_to += wait->milliseconds;
    if (const auto* found = std::get_if<Jump>(&action)) jump = found->milliseconds;
    m_next.reset();  // and `action` with it
    if (!jump) continue;
    m_read_to += *jump;
    if (from >= time) return *jump;
  }
  return 0;
}

const Command* WatchingPace::peek() {
  while (!m_next) {
    const Command* command = m_reader.next();
    if (command == nullptr || std::holds_alternative<Until>(command->action)) {
      m_reader = ScriptReader({});
      return nullptr;
    }
    const Action& action = command->action;
    if (std::holds_alternative<Wait>(action) || std::holds_alternative<Jump>(action) ||
        std::holds_alternative<PlayerInput>(action)) {
      m_next = *command;
    }
  }
  return &*m_next;
}

}  // namespace totechita::script
