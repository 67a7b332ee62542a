#include "runtime/form.hpp"

#include <algorithm>

#include "runtime/runtime.hpp"

namespace totechita {

Form::Form(Runtime& runtime, std::string name, FormDesign design)
    : m_runtime(runtime), m_name(std::move(name)), m_design(std::move(design)) {}

Control* Form::find(std::string_view control_name) const {
  auto it = std::find_if(m_controls.begin(), m_controls.end(),
                         [&](const Control* c) { return c->name() == control_name; });
  return it == m_controls.end() ? nullptr : *it;
}

void Form::add(Picture& picture) {
  m_controls.push_back(&picture);
  m_pictures.push_back(&picture);
}

void Form::add(Label& label) {
  m_controls.push_back(&label);
  m_labels.push_back(&label);
}

void Form::add(TextBox& field) { m_controls.push_back(&field); }

void Form::add(Timer& timer) {
  m_controls.push_back(&timer);
  m_timers.push_back(&timer);
}

void Form::note_change(const Control& control, const ControlState& before) {
  const bool shown = visit_control(
      control, Overloaded{
                   // A hidden picture that moves (the plane before it is shown) shows nothing.
                   [&](const Picture& picture) {
                     return picture.peek_state().visible || std::get<PictureState>(before).visible;
                   },
                   [](const Label&) { return true; },
                   [](const TextBox&) { return false; },
                   [](const Timer&) { return false; },
               });
  if (shown) m_shown_revision = control.revision();
}

std::vector<Picture*> pictures_in_drawing_order(const Form& form) {
  std::vector<Picture*> pictures = form.pictures();
  std::stable_sort(pictures.begin(), pictures.end(),
                   [](const Picture* a, const Picture* b) { return a->layer() < b->layer(); });
  return pictures;
}

void Form::Randomize() { m_runtime.randomize(); }
float Form::Rnd() { return m_runtime.rnd(); }
void Form::MsgBox(std::string_view prompt) { m_runtime.message_box(prompt); }
void Form::End() { m_runtime.end(); }

}  // namespace totechita
