#include "desktop/input_device_watch.hpp"

#include <QDir>
#include <charconv>
#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace totechita::desktop {

namespace {

// From linux/input-event-codes.h: BTN_JOYSTICK up to BTN_DIGI, where pads and joysticks have
// their buttons, and BTN_TRIGGER_HAPPY1 to 40, which some pads use for the rest.
constexpr int kJoystickButtons = 0x120;
constexpr int kDigitizerButtons = 0x140;
constexpr int kTriggerHappyButtons = 0x2c0;
constexpr int kTriggerHappyEnd = 0x2e8;

// The kernel writes its bitmaps in words of its `long`, which is ours on a native build.
constexpr int kWordBits = sizeof(unsigned long) * CHAR_BIT;

bool any_bit(const std::vector<unsigned long>& words, int from, int to) {
  for (int bit = from; bit < to; ++bit) {
    const auto word = static_cast<std::size_t>(bit / kWordBits);
    if (word < words.size() && ((words[word] >> (bit % kWordBits)) & 1UL) != 0) return true;
  }
  return false;
}

}  // namespace

InputDeviceWatch::InputDeviceWatch(const std::function<void()>& changed, const QString& folder) {
  if (QDir(folder).exists()) m_watcher.addPath(folder);
  QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_watcher, changed);
}

bool key_capabilities_look_like_a_pad(std::string_view capabilities) {
  std::istringstream text{std::string(capabilities)};
  std::vector<unsigned long> words;  // the lowest first
  std::string hex;
  while (text >> hex) {
    unsigned long word = 0;
    const char* const end = hex.data() + hex.size();
    const auto [read_to, problem] = std::from_chars(hex.data(), end, word, 16);
    if (problem != std::errc{} || read_to != end) return false;
    words.insert(words.begin(), word);
  }
  return any_bit(words, kJoystickButtons, kDigitizerButtons) ||
         any_bit(words, kTriggerHappyButtons, kTriggerHappyEnd);
}

bool pad_like_device_present() {
  std::error_code error;
  for (const auto& device : std::filesystem::directory_iterator("/sys/class/input", error)) {
    std::ifstream file(device.path() / "capabilities" / "key");
    std::string capabilities;
    if (std::getline(file, capabilities) && key_capabilities_look_like_a_pad(capabilities)) {
      return true;
    }
  }
  return false;
}

}  // namespace totechita::desktop
