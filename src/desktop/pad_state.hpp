#pragma once

#include <array>
#include <map>
#include <optional>
#include <variant>
#include <vector>

#include "runtime/control_state.hpp"

namespace totechita::desktop {

// What the player does with a game controller, in the words of the game's keys: the buttons the
// game uses, the d-pad's directions and the left stick. Pads are told apart by a number of SDL's.
enum class PadDirection { none, left, up, right, down };
enum class PadButton { a, b, x, start, back };

struct PadButtonPressed {
  int pad = 0;
  PadButton button = PadButton::a;
};
struct DpadChanged {
  int pad = 0;
  PadDirection direction = PadDirection::none;
  bool held = false;
};
struct StickMoved {
  int pad = 0;
  bool vertical = false;
  int value = 0;  // -32768 (left, up) to 32767 (right, down)
};
struct PadRemoved {
  int pad = 0;
};
using PadEvent = std::variant<PadButtonPressed, DpadChanged, StickMoved, PadRemoved>;

// Where a left stick points: nowhere inside the dead zone, else along the axis pushed further, so
// that a diagonal walks one way at a time.
inline constexpr int kStickDeadZone = 16000;
PadDirection stick_direction(int x, int y);

// Every direction the pads hold, oldest first (a d-pad's button, or a stick out of its dead
// zone), and where each stick stands. The newest counts, as the newest key held is the one that
// repeats.
struct PadHolds {
  struct Hold {
    int pad = 0;
    bool by_stick = false;
    PadDirection direction = PadDirection::none;
  };
  std::vector<Hold> holds;
  std::map<int, std::array<int, 2>> sticks;
};

// Applies what a pad did to what the pads hold; returns the direction held after it. A stick's
// move counts only once the sticks are settled.
PadDirection apply(PadHolds& holds, const PadEvent& event);
// The sticks' directions from where they stand after all the moves of one poll: SDL reports
// each axis on its own, and a stick let go from a diagonal would otherwise pass through the
// other direction; returns the direction held.
PadDirection settle_sticks(PadHolds& holds);

// The pace of a held key: after the first step, the delay, then a step each interval.
struct RepeatPace {
  Millis delay = 0;
  Millis interval = 0;
};

// A held direction steps once as it is taken, then with the keyboard's pace until it is let go;
// a new direction starts over. A wake-up that comes late makes up no missed step.
struct DirectionRepeat {
  PadDirection direction = PadDirection::none;
  Millis next_step = 0;
};
// The direction held is now `held`: true when it steps at once, being new.
bool take(DirectionRepeat& repeat, PadDirection held, Millis now, RepeatPace pace);
// True when the held direction steps again now.
bool repeat_due(DirectionRepeat& repeat, Millis now, RepeatPace pace);
// When the held direction steps next; nothing while none is held.
std::optional<Millis> next_step(const DirectionRepeat& repeat);

}  // namespace totechita::desktop
