#include <gtest/gtest.h>

#include "support/headless_game.hpp"
#include "support/played_script.hpp"

namespace totechita::testing {
namespace {

// The player stands at (300, 500) holding bombs.
void stand_holding(HeadlessGame& game, const char* bombs) {
  game.key(kKeyRight, 3);
  game.key(kKeyDown, 5);
  game.wait(200);
  game.change([&] { game.board().Label9.set_caption(bombs); });
}

TEST(Bomb, TheChainSetsTheBombDownThenBurstsItOnTheSameSpot) {
  BoardGame game;
  Form2& board = game.board();
  stand_holding(game, "1");
  const Millis enter = game.now();
  game.key(kKeyEnter);
  game.wait(2);
  EXPECT_EQ(board.Label9.caption(), "0") << "taken at the second step";
  EXPECT_EQ(board.Label11.caption(), "0");
  EXPECT_FALSE(board.Image5.visible());
  game.wait(1);
  EXPECT_TRUE(board.Image5.visible()) << "shown three short ticks after Enter";
  EXPECT_EQ(board.Image5.left(), 300);
  EXPECT_EQ(board.Image5.top(), 500);
  EXPECT_EQ(board.Text15.text() + "," + board.Text16.text(), "300,500");

  game.key(kKeyRight, 4);  // the player walks away
  game.wait_until(enter + 1002);
  EXPECT_TRUE(board.Image5.visible());
  game.wait(1);
  EXPECT_FALSE(board.Image5.visible());
  EXPECT_TRUE(board.Image13.visible());
  EXPECT_EQ(board.Image13.left(), 300);
  EXPECT_EQ(board.Image13.top(), 500);
  EXPECT_EQ(board.Image5.left(), 300) << "the bomb is hidden where it lay";
  EXPECT_EQ(board.Timer19.interval(), 0) << "not the plane's row";

  game.wait_until(enter + 2002);
  EXPECT_TRUE(board.Image13.visible());
  EXPECT_EQ(board.Label11.caption(), "0");
  game.wait(1);
  EXPECT_FALSE(board.Image13.visible());
  EXPECT_EQ(board.Label11.caption(), "1");
  EXPECT_EQ(board.Image13.left(), 300) << "the burst is hidden where it stood";
}

// One bomb at a time: a second Enter is refused from before the first bomb shows until its
// burst has ended, and without a bomb held Enter does nothing.
TEST(Bomb, EnterIsRefusedWhileABombIsInPlayOrNoneIsHeld) {
  struct Case {
    int held;
    int between_enters;  // ms
    int left;
  };
  const Case cases[] = {
      {.held = 2, .between_enters = 2, .left = 1},
      {.held = 2, .between_enters = 500, .left = 1},
      {.held = 2, .between_enters = 1500, .left = 1},
      {.held = 2, .between_enters = 2001, .left = 1},
      {.held = 2, .between_enters = 2002, .left = 0},
      {.held = 0, .between_enters = 3000, .left = 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(printed(stand_at("300", "500") + "set Label9.Caption " + std::to_string(c.held) +
                      "\nkey Enter\nwait " + std::to_string(c.between_enters) +
                      "\nkey Enter\nwait 3\nprint Label9.Caption"),
              std::to_string(c.left))
        << c.held << " held, " << c.between_enters << " ms apart";
  }
}

}  // namespace
}  // namespace totechita::testing
