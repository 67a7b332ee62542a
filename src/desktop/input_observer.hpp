#pragma once

#include "runtime/control_state.hpp"

namespace totechita {
class Control;
class Form;
struct MenuItem;
}  // namespace totechita

namespace totechita::desktop {

// Told of every input the game receives from its windows and of every jump of its clock, each at
// the virtual time it reached the game: all it takes to play the game again exactly.
class InputObserver {
 public:
  virtual ~InputObserver() = default;
  virtual void key_down(Millis time, int key_code) = 0;
  virtual void click(Millis time, const Control& control) = 0;
  virtual void choose(Millis time, const MenuItem& item) = 0;
  virtual void close(Millis time, const Form& form) = 0;
  virtual void jumped(Millis from, Millis to) = 0;
};

}  // namespace totechita::desktop
