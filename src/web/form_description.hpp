#pragma once

#include <string>

namespace totechita {
class Form;
}

namespace totechita::web {

// What the page needs to build a form's window, as one JSON object: the window's design with the
// members and values of the form's dump, the units the forms are laid out in, its menu bar, and
// its pictures and labels in drawing order (bottom first), each with what never changes in play
// (a picture's asset, a label's colours and font). What does change comes with each frame, as
// the form's dump.
std::string describe_form(const Form& form);

}  // namespace totechita::web
