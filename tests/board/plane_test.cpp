#include <gtest/gtest.h>

#include "support/bombing.hpp"

namespace totechita::testing {
namespace {

class Plane : public ::testing::Test {
 protected:
  // The plane steps at 2500, 3500, ... (every second from the board's 1500 ms). An Enter 100 ms
  // after a step is followed by exactly one more step before the burst.
  void wait_until_just_after_a_step() {
    const Millis since_step = (game.now() - 1500) % 1000;
    game.wait(since_step <= 100 ? 100 - since_step : 1100 - since_step);
  }
  BombingGame game;
  Form2& board = game.board();
};

TEST_F(Plane, FliesLeftAlongItsRowAndWrapsFromZero) {
  std::vector<float> path;
  for (int second = 1; second <= 46; ++second) {
    game.wait(1000);
    path.push_back(board.Image11.left());
    ASSERT_EQ(board.Image11.top(), 2000);
  }
  EXPECT_EQ(path.front(), 4400);
  EXPECT_EQ(path[1], 4300);
  EXPECT_EQ(path[43], 100);
  EXPECT_EQ(path[44], 0) << "after 45 seconds";
  EXPECT_EQ(path[45], 4400) << "after 46 seconds";
  EXPECT_FALSE(board.Image11.visible()) << "hidden until the menu shows it";
}

TEST_F(Plane, ShowingThePlaneNeverMovesIt) {
  game.wait(3500);
  const float left = board.Image11.left();
  game.choose("mnupotesen");
  game.choose("mnupotesen");
  EXPECT_TRUE(board.Image11.visible());
  EXPECT_EQ(board.Image11.left(), left);
}

TEST_F(Plane, ABombOneStepLeftOfThePlaneHitsItEvenHidden) {
  game.wait(5000);
  wait_until_just_after_a_step();
  const float plane = board.Image11.left();
  const Millis enter = game.drop_bomb_at(to_text(plane - 100), "2000");
  game.wait_until(enter + 1004);
  EXPECT_FALSE(board.Image11.visible());
  EXPECT_TRUE(board.Image12.visible());
  EXPECT_EQ(board.Image12.left(), plane - 100);
  EXPECT_EQ(board.Image12.top(), 2000);
  EXPECT_EQ(game.score(), "0");
  game.wait(1999);
  EXPECT_EQ(game.score(), "0");
  EXPECT_EQ(board.Image11.left(), plane - 300) << "the hidden plane keeps flying";
  game.wait(1);
  EXPECT_EQ(game.score(), "1000");
  EXPECT_FALSE(board.Image12.visible());
}

TEST_F(Plane, ABombOnThePlanesOwnColumnMissesIt) {
  game.wait(5000);
  wait_until_just_after_a_step();
  game.choose("mnupotesen");
  game.drop_bomb_at(to_text(board.Image11.left()), "2000");
  game.wait(5000);
  EXPECT_EQ(game.score(), "0");
  EXPECT_TRUE(board.Image11.visible());
}

TEST_F(Plane, ABurstOffThePlanesRowNeverHitsIt) {
  game.wait(5000);
  wait_until_just_after_a_step();
  game.drop_bomb_at(to_text(board.Image11.left() - 100), "2100");
  game.wait(5000);
  EXPECT_EQ(game.score(), "0");
  EXPECT_EQ(board.Timer19.interval(), 0);
}

TEST_F(Plane, ABurstOnAnEnemyCellOfThePlanesRowScoresBoth) {
  game.wait(5000);
  wait_until_just_after_a_step();
  // Put the plane so that its next step brings it onto the enemy's cell at 2000.
  game.change([&] { board.Image11.set_left(2100); });
  game.put(board.Image7, 2000, 2000);
  game.drop_bomb_at("2000", "2000");
  game.wait(4200);
  EXPECT_EQ(game.score(), "1100");
}

}  // namespace
}  // namespace totechita::testing

namespace totechita::testing {
namespace {

// With quiet ticks passed over, an idle board wakes once a second: for the plane's step.
TEST(IdleBoard, TheOnlyTickThatCanChangeAnythingIsThePlanesStep) {
  BoardGame game;
  game.wait(300);
  for (int second = 0; second < 5; ++second) {
    const Millis next_step = 2500 + 1000 * ((game.now() - 1500) / 1000);
    EXPECT_EQ(game.runtime.scheduler().next_due(), next_step);
    game.wait(1000);
  }
  game.key(kKeyRight);
  EXPECT_EQ(game.runtime.scheduler().next_due(), game.now() + 1) << "a key wakes the board";
}

}  // namespace
}  // namespace totechita::testing
