#include "desktop/pad_state.hpp"

#include <cstdlib>

namespace totechita::desktop {

PadDirection stick_direction(int x, int y) {
  if (std::abs(x) < kStickDeadZone && std::abs(y) < kStickDeadZone) return PadDirection::none;
  if (std::abs(x) >= std::abs(y)) return x < 0 ? PadDirection::left : PadDirection::right;
  return y < 0 ? PadDirection::up : PadDirection::down;
}

namespace {

void forget(PadHolds& holds, int pad, bool by_stick) {
  std::erase_if(holds.holds, [&](const PadHolds::Hold& hold) {
    return hold.pad == pad && hold.by_stick == by_stick;
  });
}

PadDirection held_direction(const PadHolds& holds) {
  return holds.holds.empty() ? PadDirection::none : holds.holds.back().direction;
}

PadDirection stick_hold(const PadHolds& holds, int pad) {
  for (const PadHolds::Hold& hold : holds.holds) {
    if (hold.pad == pad && hold.by_stick) return hold.direction;
  }
  return PadDirection::none;
}

void change_dpad(PadHolds& holds, const DpadChanged& changed) {
  std::erase_if(holds.holds, [&](const PadHolds::Hold& hold) {
    return hold.pad == changed.pad && !hold.by_stick && hold.direction == changed.direction;
  });
  if (changed.held) holds.holds.push_back({changed.pad, false, changed.direction});
}

}  // namespace

PadDirection apply(PadHolds& holds, const PadEvent& event) {
  if (const auto* changed = std::get_if<DpadChanged>(&event)) change_dpad(holds, *changed);
  if (const auto* moved = std::get_if<StickMoved>(&event)) {
    holds.sticks[moved->pad][moved->vertical ? 1 : 0] = moved->value;
  }
  if (const auto* removed = std::get_if<PadRemoved>(&event)) {
    forget(holds, removed->pad, false);
    forget(holds, removed->pad, true);
    holds.sticks.erase(removed->pad);
  }
  return held_direction(holds);
}

// A stick that turns to a new direction holds it as a new hold.
PadDirection settle_sticks(PadHolds& holds) {
  for (const auto& [pad, stick] : holds.sticks) {
    const PadDirection direction = stick_direction(stick[0], stick[1]);
    if (direction == stick_hold(holds, pad)) continue;
    forget(holds, pad, true);
    if (direction != PadDirection::none) holds.holds.push_back({pad, true, direction});
  }
  return held_direction(holds);
}

bool take(DirectionRepeat& repeat, PadDirection held, Millis now, RepeatPace pace) {
  if (held == repeat.direction) return false;
  repeat = {.direction = held, .next_step = now + pace.delay};
  return held != PadDirection::none;
}

bool repeat_due(DirectionRepeat& repeat, Millis now, RepeatPace pace) {
  if (repeat.direction == PadDirection::none || now < repeat.next_step) return false;
  repeat.next_step += pace.interval;
  if (repeat.next_step <= now) repeat.next_step = now + pace.interval;
  return true;
}

std::optional<Millis> next_step(const DirectionRepeat& repeat) {
  if (repeat.direction == PadDirection::none) return std::nullopt;
  return repeat.next_step;
}

}  // namespace totechita::desktop
