#include "runtime/form.hpp"
#include "runtime/runtime.hpp"
#include "runtime/runtime_error.hpp"

namespace totechita {

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
