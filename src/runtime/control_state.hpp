#pragma once

#include <cstdint>
#include <string>
#include <variant>

// The values a control holds: the whole state of a game is made of these.
namespace totechita {

using Twips = float;  // Left, Top, Width and Height: singles that read back exactly as written
using Millis = std::int64_t;

// Where a control stands on its form, and its size.
struct Bounds {
  Twips left = 0;
  Twips top = 0;
  Twips width = 0;
  Twips height = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

struct PictureState {
  Bounds bounds;
  bool visible = true;
  friend bool operator==(const PictureState&, const PictureState&) = default;
};

struct LabelState {
  std::string caption;
  Bounds bounds;
  friend bool operator==(const LabelState&, const LabelState&) = default;
};

struct TextBoxState {
  std::string text;
  Bounds bounds;
  friend bool operator==(const TextBoxState&, const TextBoxState&) = default;
};

// `due` is part of the state because writing an interval restarts the count: a handler that
// re-arms another timer changes the game even when the interval stays the same.
struct TimerState {
  std::int32_t interval = 0;
  Millis due = 0;  // the next tick, while interval is non-zero
  friend bool operator==(const TimerState&, const TimerState&) = default;
};

using ControlState = std::variant<PictureState, LabelState, TextBoxState, TimerState>;

}  // namespace totechita
