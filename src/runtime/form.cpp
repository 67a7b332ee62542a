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

void Form::note_changed(const Control& control, const ControlState& before,
                        std::uint64_t revision) {
  const ControlState& now = control.peek();
  bool shown = std::holds_alternative<LabelState>(now);
  if (const auto* picture = std::get_if<PictureState>(&now)) {
    // A hidden picture that moves (the plane before it is shown) changes nothing on screen.
    shown = picture->visible || std::get<PictureState>(before).visible;
  }
  if (shown) m_shown_changed_at = revision;
}

void Form::Randomize() { m_runtime.randomize(); }
float Form::Rnd() { return m_runtime.rnd(); }
void Form::MsgBox(std::string_view prompt) { m_runtime.message_box(prompt); }
void Form::End() { m_runtime.end(); }

}  // namespace totechita
