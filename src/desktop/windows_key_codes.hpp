#pragma once

#include <QKeyEvent>
#include <optional>

namespace totechita::desktop {

// The Windows virtual-key code of a Qt key, as the game's key handler expects it: Return and the
// keypad's Enter are both 13, modifiers do not change the code. Keys without a sensible code
// give nothing.
std::optional<int> windows_key_code(int qt_key, Qt::KeyboardModifiers modifiers);

struct QtKey {
  int key;
  Qt::KeyboardModifiers modifiers;
};

// A Qt key that gives this code (Return for 13), for playing key codes back as key events.
std::optional<QtKey> qt_key(int windows_key_code);

}  // namespace totechita::desktop
