#pragma once

#include <string>
#include <variant>

#include "runtime/control_state.hpp"

namespace totechita {

// What a player can do to the game, in one vocabulary for every front end, the script language,
// recordings and replays. Forms, controls and menu items go by name, so that an input can be
// written down and played again; an empty form name means the active form (the most recently
// shown one still loaded). Input for a form, control or menu item that is not there when it
// arrives is dropped, as a click on a window that has just closed would be.
struct KeyDown {
  int key_code = 0;  // a Windows virtual-key code (key_codes.hpp)
  friend bool operator==(const KeyDown&, const KeyDown&) = default;
};
struct Click {
  std::string form;
  std::string control;
  friend bool operator==(const Click&, const Click&) = default;
};
struct MenuCommand {
  std::string form;
  std::string item;  // the item's name, not its caption
  friend bool operator==(const MenuCommand&, const MenuCommand&) = default;
};
struct CloseBox {
  std::string form;
  friend bool operator==(const CloseBox&, const CloseBox&) = default;
};

using Input = std::variant<KeyDown, Click, MenuCommand, CloseBox>;

// Told of every input a game receives and of every jump of its clock, each at the virtual time it
// reached the game: all it takes to play the game again exactly.
class InputObserver {
 public:
  virtual ~InputObserver() = default;
  virtual void input(Millis time, const Input& input) = 0;
  virtual void jumped(Millis from, Millis to) = 0;
};

}  // namespace totechita
