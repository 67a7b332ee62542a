#pragma once

#include <vector>

#include "runtime/form.hpp"

namespace totechita::desktop {

// The order in which a form's visible kinds of control are drawn, bottom first. Sprites go by
// role: the house, the ingredients, the enemies and the plane, their hit pictures, the finale
// character, the player, then the bomb and its burst, which are set down on the player's own
// spot and must show at once. Labels come last, so the counts and the score stay readable
// wherever the player walks. Text fields and timers are never drawn.
std::vector<Control*> stacking_order(const Form& form);

}  // namespace totechita::desktop
