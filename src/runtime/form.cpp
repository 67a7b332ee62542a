#include "runtime/form.hpp"

#include <algorithm>
#include <variant>

#include "runtime/runtime.hpp"

namespace totechita {

Form::Form(Runtime& runtime, std::string name, FormDesign design)
    : m_runtime(runtime), m_name(std::move(name)), m_design(std::move(design)) {}

Control* Form::find(std::string_view control_name) const {
  auto it = std::find_if(m_controls.begin(), m_controls.end(),
                         [&](const Control* c) { return c->name() == control_name; });
  return it == m_controls.end() ? nullptr : *it;
}

void Form::add(Control& control) { m_controls.push_back(&control); }

void Form::add(Timer& timer) {
  m_controls.push_back(&timer);
  m_timers.push_back(&timer);
}

void Form::note_changed(const Control& control, std::uint64_t revision) {
  const ControlState& state = control.peek();
  if (std::holds_alternative<PictureState>(state) || std::holds_alternative<LabelState>(state)) {
    m_shown_changed_at = revision;
  }
}

void Form::Randomize() { m_runtime.randomize(); }
float Form::Rnd() { return m_runtime.rnd(); }
void Form::MsgBox(std::string_view prompt) { m_runtime.message_box(prompt); }
void Form::End() { m_runtime.end(); }

}  // namespace totechita
