#pragma once

#include <QFileSystemWatcher>
#include <functional>
#include <string_view>

namespace totechita::desktop {

// Hears of input devices coming and going without polling: the kernel adds and removes their
// nodes in /dev/input (and udev then sets their permissions), which inotify reports to the event
// loop. A machine without /dev/input has no input devices to watch.
class InputDeviceWatch final {
 public:
  explicit InputDeviceWatch(const std::function<void()>& changed,
                            const QString& folder = QStringLiteral("/dev/input"));

 private:
  QFileSystemWatcher m_watcher;
};

// Whether an input device with these key capabilities (as sysfs shows them: hexadecimal words,
// the highest first) has a joystick's or a game pad's buttons.
bool key_capabilities_look_like_a_pad(std::string_view capabilities);
// Whether any input device of the machine looks like a pad, from sysfs, without opening one.
bool pad_like_device_present();

}  // namespace totechita::desktop
