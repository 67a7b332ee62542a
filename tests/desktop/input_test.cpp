#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "desktop/session_helpers.hpp"
#include "desktop/windows_key_codes.hpp"

namespace totechita::desktop::testing {
namespace {

// The band below the labels where the player's sprite stands at (0, 0).
const QRect kPlayerBand(0, 20, 90, 30);

TEST(WindowsKeyCodes, MapQtKeysToVirtualKeyCodesAndBack) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    std::optional<int> code;
  };
  const std::vector<Case> cases{
      {Qt::Key_Left, Qt::NoModifier, 37},      {Qt::Key_Up, Qt::NoModifier, 38},
      {Qt::Key_Right, Qt::KeypadModifier, 39}, {Qt::Key_Down, Qt::ShiftModifier, 40},
      {Qt::Key_Backspace, Qt::NoModifier, 8},  {Qt::Key_Return, Qt::NoModifier, 13},
      {Qt::Key_Enter, Qt::KeypadModifier, 13}, {Qt::Key_Escape, Qt::NoModifier, 27},
      {Qt::Key_Space, Qt::NoModifier, 32},     {Qt::Key_A, Qt::ShiftModifier, 65},
      {Qt::Key_Z, Qt::NoModifier, 90},         {Qt::Key_0, Qt::NoModifier, 48},
      {Qt::Key_9, Qt::NoModifier, 57},         {Qt::Key_5, Qt::KeypadModifier, 101},
      {Qt::Key_F1, Qt::NoModifier, 112},       {Qt::Key_F12, Qt::NoModifier, 123},
      {Qt::Key_Eacute, Qt::NoModifier, {}},    {Qt::Key_VolumeUp, Qt::NoModifier, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(windows_key_code(c.key, c.modifiers), c.code) << "Qt key " << c.key;
    if (!c.code) continue;
    const std::optional<QtKey> back = qt_key(*c.code);
    ASSERT_TRUE(back) << *c.code;
    EXPECT_EQ(windows_key_code(back->key, back->modifiers), c.code);
  }
  EXPECT_EQ(qt_key(13)->key, Qt::Key_Return);
  EXPECT_FALSE(qt_key(0));
}

TEST(KeyInput, ModifiersAndAutoRepeatStillMove) {
  BoardSession session;
  for (int i = 0; i < 3; ++i) {
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier,
                     QString(), true);
    QApplication::sendEvent(&session.board_window(), &repeat);
  }
  EXPECT_EQ(session.board().Text2.text(), "300");
}

// The bomb takes three 1 ms steps after Enter; the driver serves them in the next frame.
TEST(KeyInput, ReturnAndKeypadEnterDropABombThatShowsInTheNextFrame) {
  for (const auto& [key, modifiers] :
       {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
    BoardSession session;
    session.change([&] { session.board().Label9.set_caption("1"); });
    const QImage before = session.board_picture();
    const Millis pressed_at = session.now();
    QTest::keyClick(&session.board_window(), key, modifiers);

    ASSERT_TRUE(session.game().clock().planned_wake()) << key;
    const Millis next_frame = *session.game().clock().planned_wake();
    EXPECT_LE(next_frame, pressed_at + ClockDriver::kFrame) << key;
    session.run_until(next_frame);
    EXPECT_TRUE(session.board().Image5.visible()) << key;
    EXPECT_NE(session.board_picture().copy(kPlayerBand), before.copy(kPlayerBand)) << key;
  }
}

// A click is a left-button press and release over the same control: only then does the dry-ice
// count (Label3, middle at (280, 8)) craft; its heading (Label6) beside it does nothing.
TEST(MouseInput, OnlyAWholeLeftClickOnTheDryIceCountCrafts) {
  const QPoint count(280, 8);
  const QPoint heading(216, 8);
  BoardSession session;
  Form2& board = session.board();
  session.change([&] {
    board.Label1.set_caption("2");
    board.Label2.set_caption("2");
    board.Label3.set_caption("2");
  });
  FormCanvas& canvas = session.board_window().canvas();
  QTest::mouseClick(&canvas, Qt::LeftButton, {}, heading);
  QTest::mouseClick(&canvas, Qt::RightButton, {}, count);
  QTest::mousePress(&canvas, Qt::LeftButton, {}, count);
  QTest::mouseRelease(&canvas, Qt::LeftButton, {}, heading);
  EXPECT_EQ(board.Label9.caption(), "0");
  QTest::mouseClick(&canvas, Qt::LeftButton, {}, count);
  EXPECT_EQ(board.Label9.caption(), "1");
}

}  // namespace
}  // namespace totechita::desktop::testing
