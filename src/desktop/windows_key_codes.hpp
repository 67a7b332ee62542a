#pragma once

#include <QKeyEvent>
#include <optional>

namespace totechita::desktop {

// The Windows virtual-key code of a Qt key, as the game's key handler expects it: Return and the
// keypad's Enter are both 13, modifiers do not change the code. Keys without a sensible code
// give nothing.
std::optional<int> windows_key_code(int qt_key, Qt::KeyboardModifiers modifiers);

}  // namespace totechita::desktop
