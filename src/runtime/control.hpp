#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "runtime/control_state.hpp"

namespace totechita {

class Form;

// A named control of a form. Every read and write of its state goes through here, so that the
// change journal sees which controls an event touched and which it really changed.
class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return m_name; }
  Form& form() const { return m_form; }

  // The state as a whole, read without the journal seeing it: for the front ends, the script
  // driver, dumps and the scheduler's bookkeeping, never for a handler.
  const ControlState& peek() const { return m_state; }
  // The journal's revision at which an event last changed this control for good.
  std::uint64_t revision() const { return m_revision; }

  // The journal closes an event that left this control changed from `before`.
  void commit(std::uint64_t revision, const ControlState& before);

  std::function<void()> on_click;

 protected:
  Control(Form& form, std::string name, ControlState initial)
      : m_form(form), m_name(std::move(name)), m_state(std::move(initial)) {}

  template <class State>
  const State& read() const {
    note_access();
    return std::get<State>(m_state);
  }

  template <class State, class Value>
  void write(Value State::*field, Value value) {
    write_with<State>([&](State& state) -> Value& { return state.*field; }, std::move(value));
  }
  template <class State>
  void write_bound(Twips Bounds::*field, Twips value) {
    write_with<State>([&](State& state) -> Twips& { return state.bounds.*field; }, value);
  }

  // For the scheduler's bookkeeping, which is not a change made by a handler.
  ControlState& unjournaled_state() { return m_state; }

 private:
  template <class State, class Field, class Value>
  void write_with(Field field_of, Value value) {
    note_access();
    auto& field = field_of(std::get<State>(m_state));
    if (field == value) return;
    note_change();  // the journal keeps the state as it was before
    field = std::move(value);
  }
  void note_access() const;
  void note_change();

  Form& m_form;
  std::string m_name;
  ControlState m_state;
  std::uint64_t m_revision = 0;
};

}  // namespace totechita
