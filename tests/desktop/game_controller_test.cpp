#include <gtest/gtest.h>

#include <SDL.h>

#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "desktop/game_controllers.hpp"
#include "desktop/input_device_watch.hpp"
#include "desktop/session_helpers.hpp"
#include "playback/message_box_closer.hpp"
#include "runtime/key_codes.hpp"
#include "script/watching.hpp"

namespace totechita::desktop::testing {
namespace {

TEST(PadState, AStickPointsAlongTheAxisPushedFurtherOnceOutOfItsDeadZone) {
  struct Case {
    int x;
    int y;
    PadDirection direction;
  };
  const std::vector<Case> cases{
      {0, 0, PadDirection::none},           {15999, -15999, PadDirection::none},
      {16000, 0, PadDirection::right},      {-32768, 0, PadDirection::left},
      {0, 32767, PadDirection::down},       {12000, -20000, PadDirection::up},
      {-30000, 25000, PadDirection::left},  {20000, 20000, PadDirection::right},
      {-16000, -15999, PadDirection::left}, {0, -16000, PadDirection::up},
  };
  for (const Case& c : cases)
    EXPECT_EQ(stick_direction(c.x, c.y), c.direction) << c.x << ", " << c.y;
}

TEST(PadState, TheNewestHoldCountsAndAGonePadHoldsNothing) {
  PadHolds holds;
  EXPECT_EQ(apply(holds, DpadChanged{1, PadDirection::right, true}), PadDirection::right);
  EXPECT_EQ(apply(holds, DpadChanged{1, PadDirection::up, true}), PadDirection::up);
  apply(holds, StickMoved{2, false, -20000});
  EXPECT_EQ(settle_sticks(holds), PadDirection::left);
  apply(holds, StickMoved{2, true, -30000});
  EXPECT_EQ(settle_sticks(holds), PadDirection::up);  // the stick turned
  EXPECT_EQ(apply(holds, PadRemoved{2}), PadDirection::up);
  EXPECT_EQ(apply(holds, DpadChanged{1, PadDirection::up, false}), PadDirection::right);
  EXPECT_EQ(apply(holds, PadButtonPressed{1, PadButton::a}), PadDirection::right);
  EXPECT_EQ(apply(holds, PadRemoved{1}), PadDirection::none);
}

TEST(PadState, ALateWakeUpMakesUpNoStep) {
  const RepeatPace pace{.delay = 500, .interval = 40};
  DirectionRepeat repeat;
  EXPECT_TRUE(take(repeat, PadDirection::down, 0, pace));
  EXPECT_FALSE(take(repeat, PadDirection::down, 10, pace));
  EXPECT_FALSE(repeat_due(repeat, 499, pace));
  EXPECT_TRUE(repeat_due(repeat, 500, pace));
  EXPECT_TRUE(repeat_due(repeat, 700, pace));
  EXPECT_FALSE(repeat_due(repeat, 739, pace));
  EXPECT_EQ(next_step(repeat), Millis{740});
  EXPECT_FALSE(take(repeat, PadDirection::none, 741, pace));
  EXPECT_FALSE(next_step(repeat));
}

TEST(InputDevices, LookLikeAPadByTheirJoystickOrGamePadButtons) {
  struct Case {
    const char* device;
    const char* capabilities;
    bool pad;
  };
  const std::vector<Case> cases{
      {"Xbox 360 pad", "7cdb000000000000 0 0 0 0", true},
      {"joystick", "ffff00000000 0 0 0 0", true},
      {"pad with trigger-happy buttons only", "f 0 0 0 0 0 0 0 0 0 0 0", true},
      {"keyboard", "402000000 3803078f800d001 feffffdfffefffff fffffffffffffffe", false},
      {"mouse", "1f0000 0 0 0 0", false},
      {"power button", "10000000000000 0", false},
      {"nothing", "", false},
      {"not hexadecimal", "7cdb00000000000g 0 0 0 0", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(key_capabilities_look_like_a_pad(c.capabilities), c.pad) << c.device;
}

TEST(InputDevices, ComingAndGoingAreHeardFromTheEventLoop) {
  const QTemporaryDir devices;
  int changes = 0;
  const InputDeviceWatch watch([&] { ++changes; }, devices.path());
  QFile node(devices.filePath("event7"));
  ASSERT_TRUE(node.open(QIODevice::WriteOnly));
  EXPECT_TRUE(QTest::qWaitFor([&] { return changes > 0; }, 5000));
  const int when_created = changes;
  node.remove();
  EXPECT_TRUE(QTest::qWaitFor([&] { return changes > when_created; }, 5000));
}

// A pad inside SDL with a game controller's layout, for tests without hardware: SDL maps its
// buttons and axes one to one onto the controller's.
class VirtualPad {
 public:
  VirtualPad() {
    SDL_VirtualJoystickDesc pad{};
    pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    pad.naxes = SDL_CONTROLLER_AXIS_MAX;
    pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    pad.name = "virtual pad";
    m_joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&pad));
  }
  ~VirtualPad() { unplug(); }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  void set(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(m_joystick, button, down ? 1 : 0);
  }
  void tilt(SDL_GameControllerAxis axis, int value) {
    SDL_JoystickSetVirtualAxis(m_joystick, axis, static_cast<Sint16>(value));
  }
  void unplug() {
    if (m_joystick == nullptr) return;
    SDL_Joystick* joystick = std::exchange(m_joystick, nullptr);
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
      if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
    }
    SDL_JoystickClose(joystick);
  }

 private:
  SDL_Joystick* m_joystick = nullptr;
};

// The keys the game heard, at the virtual time each reached it, and the menu commands.
class Heard final : public InputObserver {
 public:
  void input(Millis time, const Input& input) override {
    if (const auto* key = std::get_if<KeyDown>(&input)) keys.emplace_back(time, key->key_code);
    if (const auto* command = std::get_if<MenuCommand>(&input)) commands.push_back(command->item);
  }
  void jumped(Millis, Millis) override {}
  std::vector<std::pair<Millis, int>> keys;
  std::vector<std::string> commands;
};

// The board with the pads listened to, SDL started (the probe says a pad may be there) and none
// plugged in yet.
class Pads : public ::testing::Test {
 protected:
  // The pads act only while a window of the game has the keyboard.
  void SetUp() override {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&session.board_window()));
    session.game().clock().set_observer(heard);
    pads.devices_changed();
  }
  // A pad is plugged in, and the watch of the input devices tells of it.
  VirtualPad& plug() {
    pad.emplace();
    pads.devices_changed();
    return *pad;
  }
  // Moves the stepped clock on to `time`, polling the pads whenever they planned to; returns how
  // often they were polled.
  int run_until(Millis time) {
    int polls = 0;
    for (; pads.planned_wake() && *pads.planned_wake() <= time; ++polls) {
      session.run_until(*pads.planned_wake());
      pads.wake();
    }
    session.run_until(time);
    return polls;
  }
  // Held or let go at this moment, as the pads are polled at once.
  void set(SDL_GameControllerButton button, bool down) {
    pad->set(button, down);
    pads.wake();
  }
  void click(SDL_GameControllerButton button) {
    set(button, true);
    set(button, false);
  }

  BoardSession session;
  Heard heard;
  GameControllers pads{session.game(), [] { return true; }};
  std::optional<VirtualPad> pad;
};

struct Walk {
  const char* name;
  void (*hold)(VirtualPad& pad, bool held);
};

class PadWalks : public Pads, public ::testing::WithParamInterface<Walk> {};

// A direction steps at once, then with the keyboard's pace, until it is let go.
TEST_P(PadWalks, AtTheKeyboardsRepeatPace) {
  plug();
  const RepeatPace pace = keyboard_repeat_pace();
  const Millis t = session.now();
  GetParam().hold(*pad, true);
  pads.wake();
  run_until(t + pace.delay + 2 * pace.interval + pace.interval / 2);
  GetParam().hold(*pad, false);
  pads.wake();
  run_until(session.now() + 1000);
  const std::vector<std::pair<Millis, int>> steps{{t, kKeyRight},
                                                  {t + pace.delay, kKeyRight},
                                                  {t + pace.delay + pace.interval, kKeyRight},
                                                  {t + pace.delay + 2 * pace.interval, kKeyRight}};
  EXPECT_EQ(heard.keys, steps);
  EXPECT_EQ(session.board().Text1.text(), "400");
}

INSTANTIATE_TEST_SUITE_P(
    DpadAndStick, PadWalks,
    ::testing::Values(
        Walk{"Dpad",
             [](VirtualPad& pad, bool held) { pad.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, held); }},
        Walk{"Stick", [](VirtualPad& pad,
                         bool held) { pad.tilt(SDL_CONTROLLER_AXIS_LEFTX, held ? 20000 : 0); }},
        Walk{"StickMostlyRight",
             [](VirtualPad& pad, bool held) {
               pad.tilt(SDL_CONTROLLER_AXIS_LEFTX, held ? 30000 : 0);
               pad.tilt(SDL_CONTROLLER_AXIS_LEFTY, held ? 29000 : 0);
             }}),
    [](const auto& test) { return std::string(test.param.name); });

struct ButtonCase {
  const char* name;
  SDL_GameControllerButton button;
  bool watching_a_replay;
  const char* bombs_after;
  bool bomb_dropped;
};

class PadButtons : public Pads, public ::testing::WithParamInterface<ButtonCase> {};

// With one of each ingredient and one bomb in hand.
TEST_P(PadButtons, CraftAndDropBombsAsBackspaceAndEnterDo) {
  plug();
  if (GetParam().watching_a_replay) session.game().set_player_gate(script::ends_watching);
  Form2& board = session.board();
  session.change([&] {
    board.Label1.set_caption("1");
    board.Label2.set_caption("1");
    board.Label3.set_caption("1");
    board.Label9.set_caption("1");
  });
  click(GetParam().button);
  run_until(session.now() + 50);
  EXPECT_EQ(board.Label9.caption(), GetParam().bombs_after);
  EXPECT_EQ(board.Image5.visible(), GetParam().bomb_dropped);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, PadButtons,
    ::testing::Values(ButtonCase{"ADropsABomb", SDL_CONTROLLER_BUTTON_A, false, "0", true},
                      ButtonCase{"XCrafts", SDL_CONTROLLER_BUTTON_X, false, "2", false},
                      ButtonCase{"BCrafts", SDL_CONTROLLER_BUTTON_B, false, "2", false},
                      ButtonCase{"YDoesNothing", SDL_CONTROLLER_BUTTON_Y, false, "1", false},
                      ButtonCase{"IgnoredDuringAReplay", SDL_CONTROLLER_BUTTON_A, true, "1",
                                 false}),
    [](const auto& test) { return std::string(test.param.name); });

struct MenuCase {
  const char* name;
  std::vector<SDL_GameControllerButton> buttons;
  std::vector<std::string> commands;
};

class PadMenus : public Pads, public ::testing::WithParamInterface<MenuCase> {};

// Start opens ゲーム with 敵を置く highlighted; right opens its submenu at 茂佐.
TEST_P(PadMenus, MoveThroughTheGameMenuAsTheKeyboardDoes) {
  plug();
  for (const SDL_GameControllerButton button : GetParam().buttons)
    click(button);
  EXPECT_EQ(heard.commands, GetParam().commands);
  EXPECT_TRUE(heard.keys.empty());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_FALSE(session.board_window().menu_bar()->hasFocus());
}

constexpr auto kStart = SDL_CONTROLLER_BUTTON_START;
constexpr auto kA = SDL_CONTROLLER_BUTTON_A;
constexpr auto kRight = SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
constexpr auto kDown = SDL_CONTROLLER_BUTTON_DPAD_DOWN;
constexpr auto kUp = SDL_CONTROLLER_BUTTON_DPAD_UP;
constexpr auto kLeft = SDL_CONTROLLER_BUTTON_DPAD_LEFT;

INSTANTIATE_TEST_SUITE_P(
    Menu, PadMenus,
    ::testing::Values(
        MenuCase{"StartRightAChoosesMosa", {kStart, kRight, kA}, {"mnumosa"}},
        MenuCase{"DownInTheSubmenu", {kStart, kRight, kDown, kA}, {"mnunugo"}},
        MenuCase{"UpAgain", {kStart, kRight, kDown, kUp, kA}, {"mnumosa"}},
        MenuCase{"BackOpensItToo", {SDL_CONTROLLER_BUTTON_BACK, kRight, kA}, {"mnumosa"}},
        MenuCase{"BClosesTheWholeMenu", {kStart, kRight, SDL_CONTROLLER_BUTTON_B}, {}},
        MenuCase{"StartClosesIt", {kStart, kStart}, {}},
        MenuCase{"LeftLeavesTheSubmenu", {kStart, kRight, kLeft, kRight, kDown, kA}, {"mnunugo"}}),
    [](const auto& test) { return std::string(test.param.name); });

class PadsAtAMessageBox : public Pads,
                          public ::testing::WithParamInterface<SDL_GameControllerButton> {};

// The box opens as the pad's step reaches the game (the clock catches up first), and its own
// event loop runs while it is open: the pads must go on being polled from there. Nothing here
// polls them by hand; were the button not heard, the box would stand for ten seconds.
TEST_P(PadsAtAMessageBox, CloseAFinaleMessageBoxThatOpensAsThePadWalks) {
  plug();
  QElapsedTimer open_for;
  const MessageBoxCloser closer(
      [&](QMessageBox&) {
        open_for.start();
        pad->set(GetParam(), true);
      },
      [] { return 10000; });
  // Both timers planned afresh, so that the pads' comes first: Qt serves due timers in the order
  // they fall due, and the game's wakes at the plane's next step, 50 ms on.
  session.run_until(session.now());
  session.change([&] { session.board().Label13.set_caption("3100"); });
  session.stall(1000);
  pads.wake();
  pad->set(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !heard.keys.empty(); }, 15000));
  EXPECT_LT(open_for.elapsed(), 2000);
  set(GetParam(), false);
  EXPECT_EQ(heard.keys, (std::vector<std::pair<Millis, int>>{{session.now(), kKeyDown}}));
}

INSTANTIATE_TEST_SUITE_P(AOrB, PadsAtAMessageBox,
                         ::testing::Values(SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B),
                         [](const auto& test) { return test.param == kA ? "A" : "B"; });

// Polled only while a pad is connected, or for a while after input devices changed.
TEST_F(Pads, ComeAndGoAtAnyTimeAndNothingPollsWithoutOne) {
  run_until(session.now() + GameControllers::kSettleTime);
  EXPECT_FALSE(pads.planned_wake());
  EXPECT_LE(session.run_until(session.now() + 10000), 11);  // the idle board: the plane's steps
  EXPECT_FALSE(pads.planned_wake());

  plug();
  set(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
  EXPECT_EQ(session.board().Text2.text(), "100");
  pad->unplug();  // while held
  run_until(session.now() + GameControllers::kPollInterval);
  EXPECT_FALSE(pads.connected());
  run_until(session.now() + GameControllers::kSettleTime);
  EXPECT_FALSE(pads.planned_wake());
  EXPECT_EQ(session.board().Text2.text(), "100");

  plug();
  EXPECT_TRUE(pads.connected());
  click(SDL_CONTROLLER_BUTTON_DPAD_UP);
  EXPECT_EQ(session.board().Text2.text(), "0");
}

// As the keyboard: a player at another program's window is not playing.
TEST_F(Pads, AreIgnoredWhileNoWindowOfTheGameHasTheKeyboard) {
  plug();
  QApplication::setActiveWindow(nullptr);
  click(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  click(SDL_CONTROLLER_BUTTON_START);
  EXPECT_TRUE(heard.keys.empty());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST(GameControllers, LeaveSdlAloneWhileNoDeviceLooksLikeAPad) {
  BoardSession session;
  GameControllers pads(session.game(), [] { return false; });
  pads.devices_changed();
  EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0U);
  EXPECT_FALSE(pads.planned_wake());
}

}  // namespace
}  // namespace totechita::desktop::testing
