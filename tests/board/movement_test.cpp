#include <gtest/gtest.h>

#include "support/headless_game.hpp"
#include "support/played_script.hpp"

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
// nothing at all. The sprite stands at (100, 100); the character stays where the Down put it,
// 700 above the sprite's design place (240, 360), before the first tick.
TEST(Keys, EachKeyDoesItsOneThing) {
  const std::pair<const char*, const char*> keys[] = {
      // key → the position fields, the character's Left and Top, Timer8 and Timer9
      {"Left", "0 100 800 100 0 0"},         {"Up", "100 0 100 800 0 0"},
      {"Right", "200 100 -600 100 0 0"},     {"Down", "100 200 100 -600 0 0"},
      {"Backspace", "100 100 240 -340 1 0"}, {"Enter", "100 100 240 -340 0 1"},
      {"0", "100 100 240 -340 0 0"},         {"9", "100 100 240 -340 0 0"},
      {"27", "100 100 240 -340 0 0"},        {"32", "100 100 240 -340 0 0"},
      {"36", "100 100 240 -340 0 0"},        {"41", "100 100 240 -340 0 0"},
      {"65", "100 100 240 -340 0 0"},        {"100", "100 100 240 -340 0 0"},
  };
  for (auto [key, after] : keys) {
    EXPECT_EQ(printed("key Right\nkey Down\nwait 200\nkey " + std::string(key) +
                      "\nprint Text1.Text\nprint Text2.Text\nprint Image14.Left\n"
                      "print Image14.Top\nprint Timer8.Interval\nprint Timer9.Interval"),
              after)
        << key;
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
