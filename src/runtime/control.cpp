#include "runtime/control.hpp"

#include "runtime/form.hpp"
#include "runtime/runtime.hpp"

namespace totechita {

void Control::commit(std::uint64_t revision, const ControlState& before) {
  m_revision = revision;
  m_form.note_change(*this, before);
}

void Control::note_access() const { m_form.runtime().journal().note_access(*this); }
void Control::note_change() { m_form.runtime().journal().note_change(*this); }

}  // namespace totechita
