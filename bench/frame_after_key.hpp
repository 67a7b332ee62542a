#pragma once

#include <optional>

#include "board/form2.hpp"
#include "desktop/form_window.hpp"

namespace totechita::bench {

// The first frame the board's window paints after a key: how long after the key it was on
// screen, and whether it showed the bomb.
struct FrameAfterKey {
  double milliseconds = 0;
  bool bomb_shown = false;
};

// Presses Enter on the board, as the window system would deliver it, and waits for the next
// painted frame (at most a second: nothing when none comes).
std::optional<FrameAfterKey> press_enter(desktop::FormWindow& window, const Form2& board);

}  // namespace totechita::bench
