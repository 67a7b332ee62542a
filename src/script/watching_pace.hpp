#pragma once

#include <optional>
#include <string_view>

#include "runtime/control_state.hpp"
#include "script/script_parser.hpp"

namespace totechita::script {

// The pace at which a recording is watched, the same in the desktop's windows and in the page:
// the game's clock follows the real one, a frame at a time, and a message box stays open as long
// as it stood open when the game was recorded. The players of the recording move a clock of
// their own and ask this where to stop and how long to wait.
//
// A jump in the recording is time in which nothing was seen (a message box that stood open, a
// stalled machine, a hidden page): after it the pace goes on from where it is, so that a long
// stall is not watched as a long still picture. The box's own time is shown by the box.
class WatchingPace {
 public:
  static constexpr Millis kFrame = 16;

  // The recording's text, which outlives the pace; read for its jumps as they are needed.
  explicit WatchingPace(std::string_view script);

  // Virtual time 0 is shown at `real_now`.
  void start(Millis real_now);
  // The next instant to show on the way from `now` to `target`: a frame on, or later when
  // nothing can change before the next due tick `due`.
  static Millis next_instant(Millis now, Millis target, std::optional<Millis> due);
  // How long to wait from `real_now` until `instant` is to be shown; none or less than none
  // when it is late.
  Millis real_wait(Millis instant, Millis real_now) const;
  // The clock has jumped to `now`: the recording goes on from here at `real_now`.
  void jumped(Millis now, Millis real_now);

  // How long a message box opened at virtual time `time` stays open: the length of the jump
  // that the box's closing gave the clock in the recording. That jump is written before any
  // later input, at most a stall's threshold after the box; a box that closed at once has none.
  Millis reading_time(Millis time);

 private:
  // The script's next jump, wait or input, read ahead and kept until it is used; none after the
  // first `until`, whose length depends on the game.
  const Command* peek();

  ScriptReader m_reader;
  std::optional<Command> m_next;
  Millis m_read_to = 0;  // the recording's time at m_next
  Millis m_real_at_zero = 0;
};

}  // namespace totechita::script
