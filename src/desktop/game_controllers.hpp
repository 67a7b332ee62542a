#pragma once

#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "desktop/desktop_game.hpp"
#include "desktop/input_device_watch.hpp"
#include "desktop/pad_state.hpp"

namespace totechita::desktop {

class SdlPads;

// The keyboard's pace for a held key, which a held direction of a pad keeps too.
RepeatPace keyboard_repeat_pace();

// The player's game controllers, through SDL: what they do reaches the game as the keyboard's
// keys would (pad_actions.hpp), at the game's real clock. SDL is loaded only once an input device
// looks like a pad. While a pad is connected, and for a short while after input devices have
// changed (udev may still be setting a new one up), the pads are polled every frame, and at each
// step of a held direction; otherwise nothing wakes for them.
class GameControllers final {
 public:
  // Whether an input device of the machine may be a pad.
  using DeviceProbe = std::function<bool()>;
  static constexpr Millis kPollInterval = 16;
  static constexpr Millis kSettleTime = 2000;
  // The first look for pads waits until the first frame has long been drawn.
  static constexpr int kFirstLookDelay = 500;

  explicit GameControllers(DesktopGame& game,
                           DeviceProbe pad_may_be_there = pad_like_device_present);
  ~GameControllers();
  GameControllers(const GameControllers&) = delete;
  GameControllers& operator=(const GameControllers&) = delete;

  // Looks for pads shortly, then whenever input devices come or go.
  void watch_devices();
  // Input devices have come or gone: SDL looks at them, loaded first if one may be a pad.
  void devices_changed();
  // Polls the pads, steps a held direction that is due, and acts on what the player did.
  void wake();

  // When the pads are polled next (the game's real time); nothing while nothing is listened to.
  std::optional<Millis> planned_wake() const { return m_planned_wake; }
  bool connected() const;

 private:
  void start_sdl();
  void plan_wake(Millis now);

  DesktopGame& m_game;
  DeviceProbe m_pad_may_be_there;
  RepeatPace m_pace = keyboard_repeat_pace();
  std::unique_ptr<SdlPads> m_pads;
  bool m_sdl_failed = false;
  PadHolds m_holds;
  DirectionRepeat m_repeat;
  Millis m_listen_until = 0;
  QTimer m_timer;
  std::optional<Millis> m_planned_wake;
  std::unique_ptr<InputDeviceWatch> m_watch;
};

}  // namespace totechita::desktop
