#include "runtime/control.hpp"

#include "runtime/form.hpp"
#include "runtime/runtime.hpp"

namespace totechita {

Control::Control(Form& form, std::string name, ControlState initial)
    : m_form(form), m_name(std::move(name)), m_state(std::move(initial)) {
  if (!std::holds_alternative<TimerState>(m_state)) form.add(*this);
}

void Control::note_access() const { m_form.runtime().journal().note_access(*this); }
void Control::note_change() { m_form.runtime().journal().note_change(*this); }

}  // namespace totechita
