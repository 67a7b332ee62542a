#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "runtime/control_state.hpp"

namespace totechita {

class Form;
class ChangeJournal;

// A named control of a form. Every read and write of its state goes through here, so that the
// change journal sees which controls a handler touched and which it really changed.
class Control {
 public:
  Control(Form& form, std::string name, ControlState initial);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return m_name; }
  Form& form() const { return m_form; }

  // The state as a whole, for the front end, the script driver and dumps: not journaled.
  const ControlState& peek() const { return m_state; }
  // The revision at which a handler last changed this control for good.
  std::uint64_t changed_at() const { return m_changed_at; }

  std::function<void()> on_click;

 protected:
  template <class State>
  const State& read() const {
    note_access();
    return std::get<State>(m_state);
  }

  template <class State, class Value>
  void write(Value State::*field, Value value) {
    note_access();
    State& state = std::get<State>(m_state);
    if (state.*field == value) return;
    note_change();
    state.*field = std::move(value);
  }

  // For the scheduler's own bookkeeping, which is not a change made by a handler.
  ControlState& state_unjournaled() { return m_state; }

 private:
  friend class ChangeJournal;
  void note_access() const;
  void note_change();

  Form& m_form;
  std::string m_name;
  ControlState m_state;
  std::uint64_t m_changed_at = 0;
};

}  // namespace totechita
