#include <gtest/gtest.h>

#include "support/headless_game.hpp"

namespace totechita::testing {
namespace {

// The board's first Timer1 tick comes 100 ms after it is shown; the tests start just after it.
class Movement : public ::testing::Test {
 protected:
  Movement() { game.wait(100); }
  BoardGame game;
  Form2& board = game.board();
};

TEST_F(Movement, ArrowKeysStepThePositionFieldsByOneHundred) {
  game.key(kKeyRight, 2);
  game.key(kKeyDown, 3);
  EXPECT_EQ(board.Text1.text(), "200");
  EXPECT_EQ(board.Text2.text(), "300");
  game.key(kKeyLeft, 3);
  game.key(kKeyUp, 4);
  EXPECT_EQ(board.Text1.text(), "-100");
  EXPECT_EQ(board.Text2.text(), "-100");
}

TEST_F(Movement, TheSpriteFollowsTheFieldsAtTheNextTimer1Tick) {
  game.key(kKeyLeft);
  game.wait(99);
  EXPECT_EQ(board.Image1.left(), 0) << "still waiting for Timer1";
  game.wait(1);
  EXPECT_EQ(board.Image1.left(), -100) << "no bounds: partly off the left edge";
  game.key(kKeyRight);
  game.wait(100);
  EXPECT_EQ(board.Image1.left(), 0);
}

TEST_F(Movement, ThreeQuickRightsPlaceTheFinaleCharacterFromTheUnmovedSprite) {
  game.key(kKeyDown);
  game.wait(100);  // sprite at (0, 100)
  game.key(kKeyRight, 3);
  EXPECT_EQ(board.Image14.left(), -700) << "700 left of where the sprite was";
  EXPECT_EQ(board.Image14.top(), 100);
  game.wait(100);
  EXPECT_EQ(board.Image1.left(), 300) << "the sprite jumps 300 at once";
  EXPECT_EQ(board.Image14.left(), -700) << "the character does not follow the timer";
  EXPECT_FALSE(board.Image14.visible());
}

TEST_F(Movement, TheFinaleCharacterStandsOnTheSideThePlayerComesFrom) {
  struct Case {
    int key;
    float left;
    float top;
  };
  // The sprite stands at (0, 0) for every key of this table.
  for (Case c : {Case{kKeyUp, 0, 700}, Case{kKeyDown, 0, -700}, Case{kKeyLeft, 700, 0},
                 Case{kKeyRight, -700, 0}}) {
    game.key(c.key);
    EXPECT_EQ(board.Image14.left(), c.left) << c.key;
    EXPECT_EQ(board.Image14.top(), c.top) << c.key;
    game.change([&] {
      board.Text1.set_text("0");
      board.Text2.set_text("0");
    });
  }
}

TEST_F(Movement, UpThenDownWithinOneTickLeavesThePlayerWhereItWas) {
  game.key(kKeyUp);
  game.key(kKeyDown);
  game.wait(100);
  EXPECT_EQ(board.Text2.text(), "0");
  EXPECT_EQ(board.Image1.top(), 0);
  EXPECT_EQ(board.Image14.top(), -700) << "700 above the sprite, after the Down";
}

TEST_F(Movement, BackspaceAndEnterOnlyArmTheirTimers) {
  game.key(kKeyRight);
  const float character_left = board.Image14.left();
  game.key(kKeyBackspace);
  game.key(kKeyEnter);
  EXPECT_EQ(board.Timer8.interval(), 1);
  EXPECT_EQ(board.Timer9.interval(), 1);
  EXPECT_EQ(board.Text1.text(), "100");
  EXPECT_EQ(board.Text2.text(), "0");
  EXPECT_EQ(board.Image14.left(), character_left);
}

TEST_F(Movement, OtherKeysDoNothing) {
  const std::string before = board.Text1.text() + board.Text2.text();
  for (int code : {0, 9, 16, 17, 27, 32, 36, 41, 65, 98, 100, 102, 104})
    game.key(code);
  EXPECT_EQ(board.Text1.text() + board.Text2.text(), before);
  EXPECT_EQ(board.Timer8.interval(), 0);
  EXPECT_EQ(board.Timer9.interval(), 0);
}

}  // namespace
}  // namespace totechita::testing
