#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "runtime/control_state.hpp"

namespace totechita {

class Control;

// Watches one event (a tick, a key, a click, a menu command) from its start to its end: which
// controls it touched, and which of them it left with a different value. A value that changes
// and changes back within one event (a match count going "0" → "1" → "0") is no change.
//
// The revision counts events that changed something: a control's value, a timer's phase, the
// random source, the forms, a message. Closing an event commits each control it changed, which
// then carries the revision of its last change.
class ChangeJournal {
 public:
  struct Outcome {
    bool quiet = true;                    // nothing changed and nothing happened
    std::vector<const Control*> touched;  // every control read or written, without repeats
  };

  void open();
  Outcome close();

  void note_access(const Control& control);
  void note_change(Control& control);
  // Something that is not a control's value: a random draw, a message box, a form shown.
  void note_effect();

  std::uint64_t revision() const { return m_revision; }

 private:
  int m_depth = 0;
  bool m_effect = false;
  std::vector<const Control*> m_touched;
  std::vector<std::pair<Control*, ControlState>> m_before;
  std::uint64_t m_revision = 0;
};

}  // namespace totechita
