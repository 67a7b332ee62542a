#pragma once

#include "runtime/controls.hpp"
#include "runtime/value_rules.hpp"

namespace totechita {

// Read a count held as text as a double, add a whole number, write the sum back as text: how
// every count, the score and the player's position fields move.
inline void add_to_caption(Label& label, double amount) {
  label.set_caption(to_text(to_number(label.caption()) + amount));
}

inline void add_to_text(TextBox& field, double amount) {
  field.set_text(to_text(to_number(field.text()) + amount));
}

}  // namespace totechita
