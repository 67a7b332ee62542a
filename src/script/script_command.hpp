#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "runtime/control_state.hpp"
#include "runtime/input.hpp"

// The script language of totechita-script: one command a line. See README for the contract.
namespace totechita::script {

// A property reference: FORM.CONTROL.PROPERTY, CONTROL.PROPERTY on the active form, or
// FORM.Loaded / FORM.Caption.
struct Ref {
  std::string form;     // empty: the active form
  std::string control;  // empty: a property of the form itself
  std::string property;
};

struct Seed {
  std::uint64_t seed;
};
struct Wait {
  Millis milliseconds;
};
// The clock jumps at once, as after a message box or a stall: each overdue timer ticks once.
struct Jump {
  Millis milliseconds;
};
struct Until {
  std::optional<Ref> ref;
  std::string value;
  Millis milliseconds;
};  // no ref: end
// `key NAME [COUNT]`, `click CONTROL`, `menu ITEM`, `close FORM`. As written, a click or a menu
// command names no form (it goes to the active one) and a menu item may go by its caption.
struct PlayerInput {
  Input input;
  int count = 1;  // key-downs in a row, at one instant
};
struct Set {
  Ref ref;
  std::string value;
};
struct Print {
  Ref ref;
};
struct Expect {
  Ref ref;
  std::string value;
};
struct Dump {
  std::string form;
};  // empty: every loaded form

using Action = std::variant<Seed, Wait, Jump, Until, PlayerInput, Set, Print, Expect, Dump>;

struct Command {
  int line = 0;
  Action action;
};

}  // namespace totechita::script
