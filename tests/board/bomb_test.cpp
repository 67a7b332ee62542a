#include <gtest/gtest.h>

#include "support/headless_game.hpp"

namespace totechita::testing {
namespace {

// The player stands at (300, 500); Enter is pressed at time T.
class Bomb : public ::testing::Test {
 protected:
  Bomb() {
    game.key(kKeyRight, 3);
    game.key(kKeyDown, 5);
    game.wait(200);
  }
  void hold_bombs(const char* count) {
    game.change([&] { board.Label9.set_caption(count); });
  }

  BoardGame game;
  Form2& board = game.board();
};

TEST_F(Bomb, WithoutABombEnterDoesNothing) {
  game.key(kKeyEnter);
  game.wait(3000);
  EXPECT_EQ(board.Label9.caption(), "0");
  EXPECT_EQ(board.Label11.caption(), "1");
  EXPECT_FALSE(board.Image5.visible());
  EXPECT_EQ(board.Timer12.interval(), 0);
}

TEST_F(Bomb, TheChainSetsTheBombDownThenBurstsItOnTheSameSpot) {
  hold_bombs("1");
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
  EXPECT_EQ(board.Text15.text(), "300");
  EXPECT_EQ(board.Text16.text(), "500");

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

TEST_F(Bomb, ASecondEnterWhileABombIsInPlayIsRefused) {
  hold_bombs("2");
  game.key(kKeyEnter);
  game.wait(500);
  game.key(kKeyEnter);
  game.wait(1000);
  EXPECT_EQ(board.Label9.caption(), "1");
  game.key(kKeyEnter);  // while the burst shows
  game.wait(600);
  EXPECT_EQ(board.Label9.caption(), "1");
  EXPECT_EQ(board.Label11.caption(), "1") << "the burst has ended";
  game.key(kKeyEnter);  // about 2100 ms after the first
  game.wait(3);
  EXPECT_EQ(board.Label9.caption(), "0");
  EXPECT_TRUE(board.Image5.visible());
}

TEST_F(Bomb, ASecondEnterBeforeTheBombShowsIsAlreadyRefused) {
  hold_bombs("2");
  game.key(kKeyEnter);
  game.wait(2);
  game.key(kKeyEnter);
  game.wait(10);
  EXPECT_EQ(board.Label9.caption(), "1");
}

TEST_F(Bomb, ABurstOnThePlanesRowStartsThePlaneTest) {
  game.change([&] { board.Text2.set_text("2000"); });
  hold_bombs("1");
  game.key(kKeyEnter);
  game.wait(1002);
  EXPECT_EQ(board.Timer19.interval(), 0);
  game.wait(1);
  EXPECT_EQ(board.Image13.top(), 2000);
  EXPECT_EQ(board.Timer19.interval(), 1);
  EXPECT_EQ(board.Timer13.interval(), 1000);
}

}  // namespace
}  // namespace totechita::testing
