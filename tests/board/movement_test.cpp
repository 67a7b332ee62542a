#include <gtest/gtest.h>

#include "support/headless_game.hpp"

namespace totechita::testing {
namespace {

// The board's first Timer1 tick comes 100 ms after it is shown, bringing the player's sprite
// from its design place to the position fields' (0, 0); the tests start just after it.
class Movement : public ::testing::Test {
 protected:
  Movement() {
    game.wait(1);
    EXPECT_EQ(board.Image4.top(), 800) << "the dry ice's mover ticks first";
    EXPECT_EQ(board.Image1.left(), 240);
    game.wait(99);
    EXPECT_EQ(board.Image1.left(), 0);
    EXPECT_EQ(board.Image1.top(), 0);
  }
  BoardGame game;
  Form2& board = game.board();
};

// Each arrow steps a position field by 100 and puts the finale character 700 from the sprite,
// on the side the player comes from; Backspace and Enter only arm their timers; other keys do
// nothing at all.
TEST_F(Movement, EachKeyDoesItsOneThing) {
  struct Row {
    int key;
    const char* x;
    const char* y;
    float character_left;
    float character_top;
    int crafting;  // Timer8's interval afterwards
    int bombing;   // Timer9's
  };
  const Row rows[] = {
      {kKeyLeft, "-100", "0", 700, 0, 0, 0},  {kKeyUp, "0", "-100", 0, 700, 0, 0},
      {kKeyRight, "100", "0", -700, 0, 0, 0}, {kKeyDown, "0", "100", 0, -700, 0, 0},
      {kKeyBackspace, "0", "0", 5, 5, 1, 0},  {kKeyEnter, "0", "0", 5, 5, 0, 1},
  };
  auto reset = [&] {
    game.change([&] {
      board.Text1.set_text("0");
      board.Text2.set_text("0");
      board.Image14.set_left(5);
      board.Image14.set_top(5);
      board.Timer8.set_interval(0);
      board.Timer9.set_interval(0);
    });
  };
  for (const Row& row : rows) {
    reset();
    game.key(row.key);
    EXPECT_EQ(board.Text1.text() + "," + board.Text2.text(), std::string(row.x) + "," + row.y)
        << row.key;
    EXPECT_EQ(board.Image14.left(), row.character_left) << row.key;
    EXPECT_EQ(board.Image14.top(), row.character_top) << row.key;
    EXPECT_EQ(board.Timer8.interval(), row.crafting) << row.key;
    EXPECT_EQ(board.Timer9.interval(), row.bombing) << row.key;
    EXPECT_FALSE(board.Image14.visible());
  }
  for (int code : {0, 9, 16, 17, 27, 32, 36, 41, 65, 98, 100, 102, 104}) {
    reset();
    game.key(code);
    EXPECT_EQ(board.Text1.text() + "," + board.Text2.text(), "0,0") << code;
    EXPECT_EQ(board.Timer8.interval() + board.Timer9.interval(), 0) << code;
    EXPECT_EQ(board.Image14.left(), 5) << code;
  }
}

TEST_F(Movement, TheSpriteFollowsTheFieldsAtTheNextTimer1TickWithoutBounds) {
  game.key(kKeyLeft);
  game.wait(99);
  EXPECT_EQ(board.Image1.left(), 0) << "still waiting for Timer1";
  game.wait(1);
  EXPECT_EQ(board.Image1.left(), -100) << "partly off the left edge";
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
}

}  // namespace
}  // namespace totechita::testing
