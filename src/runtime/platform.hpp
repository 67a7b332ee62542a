#pragma once

#include <string_view>

namespace totechita {

class Form;

// What the runtime needs from the machine it runs on: windows for forms, a modal message box,
// and the end of the program. The desktop front end and the headless platform implement it;
// the game never sees either.
class Platform {
 public:
  virtual ~Platform() = default;

  // A form was created (its window may be made now) / shown and activated / unloaded (its
  // window goes; the form object itself lives until the running event is over).
  virtual void form_loaded(Form& form) = 0;
  virtual void form_shown(Form& form) = 0;
  virtual void form_unloaded(Form& form) = 0;

  // A modal box with one OK button and no icon; returns when the player closes it. The game
  // clock stands still meanwhile.
  virtual void message_box(std::string_view prompt, std::string_view title) = 0;

  // The program is over; `status` is its exit status (0, or non-zero after a runtime error).
  virtual void program_ended(int status) = 0;
};

}  // namespace totechita
