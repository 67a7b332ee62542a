#pragma once

#include "desktop/desktop_game.hpp"
#include "desktop/pad_state.hpp"

namespace totechita::desktop {

// What a pad's button or direction does at this moment, as the keyboard would do it. In an open
// menu the directions move through it, A chooses, and B, Start or Back close it; at a message box
// A and B close it; otherwise the game hears a key (an arrow, Enter for A, Backspace for X or B)
// and Start or Back opens the active window's first menu. All of it goes through Qt's own
// widgets or the game's one way for the player's input, and nothing happens while none of the
// game's windows has the keyboard.
void press(PadButton button, DesktopGame& game);
void step(PadDirection direction, DesktopGame& game);

}  // namespace totechita::desktop
