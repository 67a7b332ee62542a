#include "script/key_names.hpp"

#include <array>

#include "runtime/key_codes.hpp"

namespace totechita::script {

namespace {

struct KeyName {
  std::string_view name;
  int code;
};
constexpr std::array<KeyName, 6> kKeyNames{{{"Left", kKeyLeft},
                                            {"Up", kKeyUp},
                                            {"Right", kKeyRight},
                                            {"Down", kKeyDown},
                                            {"Enter", kKeyEnter},
                                            {"Backspace", kKeyBackspace}}};

}  // namespace

std::optional<int> key_code_named(std::string_view word) {
  for (const KeyName& key : kKeyNames) {
    if (key.name == word) return key.code;
  }
  return std::nullopt;
}

std::string key_word(int key_code) {
  for (const KeyName& key : kKeyNames) {
    if (key.code == key_code) return std::string(key.name);
  }
  return std::to_string(key_code);
}

}  // namespace totechita::script
