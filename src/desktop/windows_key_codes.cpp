#include "desktop/windows_key_codes.hpp"

#include <array>
#include <utility>

#include "runtime/key_codes.hpp"

namespace totechita::desktop {

namespace {

constexpr int kNumpad0 = 96;
constexpr int kF1 = 112;

constexpr std::array<std::pair<int, int>, 21> kNamedKeys{{
    {Qt::Key_Backspace, kKeyBackspace},
    {Qt::Key_Tab, 9},
    {Qt::Key_Return, kKeyEnter},
    {Qt::Key_Enter, kKeyEnter},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, kKeyLeft},
    {Qt::Key_Up, kKeyUp},
    {Qt::Key_Right, kKeyRight},
    {Qt::Key_Down, kKeyDown},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
}};

}  // namespace

std::optional<int> windows_key_code(int qt_key, Qt::KeyboardModifiers modifiers) {
  for (const auto& [key, code] : kNamedKeys) {
    if (key == qt_key) return code;
  }
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) {
    // Digits on the keypad have codes of their own.
    const int digit = qt_key - Qt::Key_0;
    return modifiers.testFlag(Qt::KeypadModifier) ? kNumpad0 + digit : '0' + digit;
  }
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return 'A' + (qt_key - Qt::Key_A);
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12) return kF1 + (qt_key - Qt::Key_F1);
  return std::nullopt;
}

std::optional<QtKey> qt_key(int windows_key_code) {
  for (const auto& [key, code] : kNamedKeys) {
    if (code == windows_key_code) return QtKey{key, Qt::NoModifier};
  }
  const int code = windows_key_code;
  if (code >= '0' && code <= '9') return QtKey{Qt::Key_0 + (code - '0'), Qt::NoModifier};
  if (code >= kNumpad0 && code <= kNumpad0 + 9) {
    return QtKey{Qt::Key_0 + (code - kNumpad0), Qt::KeypadModifier};
  }
  if (code >= 'A' && code <= 'Z') return QtKey{Qt::Key_A + (code - 'A'), Qt::NoModifier};
  if (code >= kF1 && code < kF1 + 12) return QtKey{Qt::Key_F1 + (code - kF1), Qt::NoModifier};
  return std::nullopt;
}

}  // namespace totechita::desktop
