#pragma once

#include <stdexcept>
#include <string>

namespace totechita {

// A failing conversion or property access inside a handler. The runtime turns it into its
// standard error message and ends the program; the game itself handles no errors.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int code, const std::string& description)
      : std::runtime_error(description), m_code(code) {}

  int code() const { return m_code; }
  // The text the runtime shows in its error box, e.g. "実行時エラー '13':\n\n型が一致しません。"
  std::string message() const {
    return "実行時エラー '" + std::to_string(m_code) + "':\n\n" + what();
  }

 private:
  int m_code;
};

inline RuntimeError type_mismatch() { return RuntimeError(13, "型が一致しません。"); }
inline RuntimeError overflow() { return RuntimeError(6, "オーバーフローしました。"); }
inline RuntimeError invalid_property_value() {
  return RuntimeError(380, "プロパティの値が不正です。");
}

}  // namespace totechita
