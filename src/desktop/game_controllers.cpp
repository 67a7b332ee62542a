#include "desktop/game_controllers.hpp"

#include <QGuiApplication>
#include <QStyleHints>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "desktop/pad_actions.hpp"
#include "desktop/sdl_pads.hpp"

namespace totechita::desktop {

// Qt knows the keyboard's repeat rate but not its delay; half a second is the delay of the
// common desktops (X11's own default is 660 ms).
RepeatPace keyboard_repeat_pace() {
  constexpr Millis kDelay = 500;
  const int rate = QGuiApplication::styleHints()->keyboardAutoRepeatRate();
  return {.delay = kDelay, .interval = 1000 / std::max(rate, 1)};
}

GameControllers::GameControllers(DesktopGame& game, DeviceProbe pad_may_be_there)
    : m_game(game), m_pad_may_be_there(std::move(pad_may_be_there)) {
  m_timer.setSingleShot(true);
  m_timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { wake(); });
}

GameControllers::~GameControllers() = default;

void GameControllers::watch_devices() {
  m_watch = std::make_unique<InputDeviceWatch>([this] { devices_changed(); });
  QTimer::singleShot(kFirstLookDelay, &m_timer, [this] { devices_changed(); });
}

void GameControllers::devices_changed() {
  if (!m_pads && !m_sdl_failed && m_pad_may_be_there()) start_sdl();
  if (!m_pads) return;
  m_listen_until = m_game.clock().real_now() + kSettleTime;
  wake();
}

// Without SDL there is no pad to hear: said once, and not tried again.
void GameControllers::start_sdl() {
  std::string error;
  m_pads = SdlPads::start(error);
  if (m_pads) return;
  m_sdl_failed = true;
  std::fputs(("totechita: no game controllers: " + error + '\n').c_str(), stderr);
}

bool GameControllers::connected() const { return m_pads && m_pads->any_open(); }

// What the player did is acted on once the next wake-up is planned: an action may open a message
// box, whose event loop must go on polling the pads.
void GameControllers::wake() {
  const Millis now = m_game.clock().real_now();
  std::vector<std::variant<PadButton, PadDirection>> actions;
  for (const PadEvent& event : m_pads ? m_pads->poll() : std::vector<PadEvent>{}) {
    if (const auto* pressed = std::get_if<PadButtonPressed>(&event)) {
      actions.emplace_back(pressed->button);
    } else if (take(m_repeat, apply(m_holds, event), now, m_pace)) {
      actions.emplace_back(m_repeat.direction);
    }
  }
  if (take(m_repeat, settle_sticks(m_holds), now, m_pace)) actions.emplace_back(m_repeat.direction);
  if (repeat_due(m_repeat, now, m_pace)) actions.emplace_back(m_repeat.direction);
  plan_wake(now);
  for (const auto& action : actions) {
    if (const auto* button = std::get_if<PadButton>(&action)) press(*button, m_game);
    if (const auto* direction = std::get_if<PadDirection>(&action)) step(*direction, m_game);
  }
}

void GameControllers::plan_wake(Millis now) {
  if (!connected() && now >= m_listen_until) {
    m_planned_wake.reset();
    m_timer.stop();
    return;
  }
  Millis at = now + kPollInterval;
  if (const std::optional<Millis> step_at = next_step(m_repeat)) at = std::min(at, *step_at);
  m_planned_wake = at;
  m_timer.start(static_cast<int>(std::clamp<Millis>(at - now, 0, INT_MAX)));
}

}  // namespace totechita::desktop
