#include <gtest/gtest.h>

#include <sstream>
#include <vector>

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
  struct After {
    std::string key;
    int x, y;                           // the position fields
    int character_left, character_top;  // the finale character
    int crafting_timer, bomb_timer;     // Timer8's and Timer9's intervals
  };
  std::vector<After> rows{
      {.key = "Left",
       .x = 0,
       .y = 100,
       .character_left = 800,
       .character_top = 100,
       .crafting_timer = 0,
       .bomb_timer = 0},
      {.key = "Up",
       .x = 100,
       .y = 0,
       .character_left = 100,
       .character_top = 800,
       .crafting_timer = 0,
       .bomb_timer = 0},
      {.key = "Right",
       .x = 200,
       .y = 100,
       .character_left = -600,
       .character_top = 100,
       .crafting_timer = 0,
       .bomb_timer = 0},
      {.key = "Down",
       .x = 100,
       .y = 200,
       .character_left = 100,
       .character_top = -600,
       .crafting_timer = 0,
       .bomb_timer = 0},
      {.key = "Backspace",
       .x = 100,
       .y = 100,
       .character_left = 240,
       .character_top = -340,
       .crafting_timer = 1,
       .bomb_timer = 0},
      {.key = "Enter",
       .x = 100,
       .y = 100,
       .character_left = 240,
       .character_top = -340,
       .crafting_timer = 0,
       .bomb_timer = 1},
  };
  for (const char* other_key : {"0", "9", "27", "32", "36", "41", "65", "100"}) {
    rows.push_back({.key = other_key,
                    .x = 100,
                    .y = 100,
                    .character_left = 240,
                    .character_top = -340,
                    .crafting_timer = 0,
                    .bomb_timer = 0});
  }
  for (const After& row : rows) {
    std::ostringstream expected;
    expected << row.x << ' ' << row.y << ' ' << row.character_left << ' ' << row.character_top
             << ' ' << row.crafting_timer << ' ' << row.bomb_timer;
    EXPECT_EQ(printed("key Right\nkey Down\nwait 200\nkey " + row.key +
                      "\nprint Text1.Text\nprint Text2.Text\nprint Image14.Left\n"
                      "print Image14.Top\nprint Timer8.Interval\nprint Timer9.Interval"),
              expected.str())
        << row.key;
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
