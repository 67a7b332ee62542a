#include "runtime/change_journal.hpp"

#include <algorithm>

#include "runtime/control.hpp"

namespace totechita {

void ChangeJournal::open() {
  if (m_depth++ > 0) return;
  m_effect = false;
  m_touched.clear();
  m_before.clear();
}

ChangeJournal::Outcome ChangeJournal::close() {
  if (--m_depth > 0) return {.quiet = false, .touched = {}};
  const bool changed = std::any_of(m_before.begin(), m_before.end(), [](const auto& entry) {
    return entry.first->peek() != entry.second;
  });
  const bool quiet = !changed && !m_effect;
  if (!quiet) ++m_revision;
  for (auto& [control, before] : m_before) {
    if (control->peek() != before) control->commit(m_revision, before);
  }
  Outcome outcome{.quiet = quiet, .touched = {}};
  if (quiet) {
    std::sort(m_touched.begin(), m_touched.end());
    m_touched.erase(std::unique(m_touched.begin(), m_touched.end()), m_touched.end());
    outcome.touched = std::move(m_touched);
  }
  m_touched.clear();
  m_before.clear();
  return outcome;
}

void ChangeJournal::note_access(const Control& control) {
  if (m_depth > 0) m_touched.push_back(&control);
}

void ChangeJournal::note_change(Control& control) {
  if (m_depth == 0) {
    // A write outside any event (setting up a test case) takes effect as one event of its own.
    control.commit(++m_revision, control.peek());
    return;
  }
  auto same = [&](const auto& entry) { return entry.first == &control; };
  if (std::none_of(m_before.begin(), m_before.end(), same)) {
    m_before.emplace_back(&control, control.peek());
  }
}

void ChangeJournal::note_effect() {
  if (m_depth > 0) {
    m_effect = true;
  } else {
    ++m_revision;
  }
}

}  // namespace totechita
