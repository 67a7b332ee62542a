#include "runtime/change_journal.hpp"

#include <algorithm>

#include "runtime/control.hpp"
#include "runtime/form.hpp"

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
    return entry.first->m_state != entry.second;
  });
  const bool quiet = !changed && !m_effect;
  if (!quiet) ++m_revision;
  for (auto& [control, before] : m_before) {
    if (control->m_state == before) continue;
    control->m_changed_at = m_revision;
    control->form().note_changed(*control, before, m_revision);
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
    control.m_changed_at = ++m_revision;
    control.form().note_changed(control, control.m_state, m_revision);
    return;
  }
  auto same = [&](const auto& entry) { return entry.first == &control; };
  if (std::none_of(m_before.begin(), m_before.end(), same)) {
    m_before.emplace_back(&control, control.m_state);
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
