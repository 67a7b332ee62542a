#include "runtime/form.hpp"
#include "runtime/runtime.hpp"
#include "runtime/runtime_error.hpp"

namespace totechita {

Picture::Picture(Form& form, std::string name, PictureState design, std::string asset, Layer layer)
    : BoundedControl(form, std::move(name), design), m_asset(std::move(asset)), m_layer(layer) {
  form.add(*this);
}

Label::Label(Form& form, std::string name, LabelState design, LabelStyle style)
    : BoundedControl(form, std::move(name), std::move(design)), m_style(std::move(style)) {
  form.add(*this);
}

TextBox::TextBox(Form& form, std::string name, TextBoxState design)
    : BoundedControl(form, std::move(name), std::move(design)) {
  form.add(*this);
}

Timer::Timer(Form& form, std::string name, std::int32_t design_interval)
    : Control(form, std::move(name), TimerState{.interval = design_interval, .due = 0}) {
  form.add(*this);
}

void Timer::set_interval(std::int32_t milliseconds) {
  if (milliseconds < 0) throw invalid_property_value();
  const Millis now = form().runtime().scheduler().now();
  write(&TimerState::due, milliseconds == 0 ? Millis{0} : now + milliseconds);
  write(&TimerState::interval, milliseconds);
}

}  // namespace totechita
