#pragma once

namespace totechita {

// The key codes a form's key handler receives: Windows virtual-key codes, whatever the machine
// (the front ends map their own keys to these). Written once, for the game, the script
// language, the front ends and the tests.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

}  // namespace totechita
