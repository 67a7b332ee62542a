#pragma once

namespace totechita {
class Control;
class Form;
struct MenuItem;
}  // namespace totechita

namespace totechita::desktop {

// Where a window sends the player's input: the game session, which brings the clock up to date
// before each event and repaints after it.
class FormEvents {
 public:
  virtual ~FormEvents() = default;
  virtual void key_down(int windows_key_code) = 0;
  virtual void click(Control& control) = 0;
  virtual void choose(const MenuItem& item) = 0;
  virtual void close(Form& form) = 0;
};

}  // namespace totechita::desktop
