#include <gtest/gtest.h>

#include "support/headless_game.hpp"

namespace totechita::testing {
namespace {

TEST(Plane, FliesLeftAlongItsRowEverySecondAndWrapsFromZero) {
  BoardGame game;
  Form2& board = game.board();
  std::vector<float> path;
  for (int second = 1; second <= 46; ++second) {
    game.wait(1000);
    path.push_back(board.Image11.left());
    ASSERT_EQ(board.Image11.top(), 2000);
  }
  EXPECT_EQ(path[0], 4400);
  EXPECT_EQ(path[1], 4300);
  EXPECT_EQ(path[43], 100);
  EXPECT_EQ(path[44], 0) << "after 45 seconds";
  EXPECT_EQ(path[45], 4400) << "after 46 seconds";
  EXPECT_FALSE(board.Image11.visible()) << "hidden until the menu shows it";

  game.choose("mnupotesen");
  game.choose("mnupotesen");
  EXPECT_TRUE(board.Image11.visible());
  EXPECT_EQ(board.Image11.left(), 4400) << "showing the plane never moves it";
}

// An Enter 100 ms after the plane's step is followed by exactly one more step before the burst,
// where the plane test compares the Lefts, only on the plane's row, shown or not.
TEST(Plane, ABurstHitsThePlaneOnlyOneStepLeftOfItOnItsRow) {
  struct Case {
    const char* name;
    float bomb_from_plane;  // the bomb's Left less the plane's at the Enter
    const char* row;
    bool shown;
    const char* score;
  };
  const Case cases[] = {
      {"OneStepLeftHidden", -100, "2000", false, "1000"},
      {"OneStepLeftShown", -100, "2000", true, "1000"},
      {"OnItsOwnColumn", 0, "2000", true, "0"},
      {"TwoStepsLeft", -200, "2000", true, "0"},
      {"OffItsRow", -100, "2100", false, "0"},
  };
  for (const Case& c : cases) {
    BoardGame game;
    Form2& board = game.board();
    game.wait(5000);
    game.wait_until_just_after_a_plane_step();
    if (c.shown) game.choose("mnupotesen");
    const float plane = board.Image11.left();
    game.drop_bomb_at(to_text(plane + c.bomb_from_plane), c.row);
    game.wait(5000);
    EXPECT_EQ(game.score(), c.score) << c.name;
    EXPECT_EQ(board.Image11.visible(), c.shown && std::string(c.score) == "0") << c.name;
  }
}

TEST(Plane, AHitShowsTheTrainWhereTheBurstIsAndScoresTwoSecondsLater) {
  BoardGame game;
  Form2& board = game.board();
  game.wait(5000);
  game.wait_until_just_after_a_plane_step();
  const float plane = board.Image11.left();
  const Millis enter = game.drop_bomb_at(to_text(plane - 100), "2000");
  game.wait_until(enter + 1004);
  EXPECT_FALSE(board.Image11.visible());
  EXPECT_TRUE(board.Image12.visible());
  EXPECT_EQ(board.Image12.left(), plane - 100);
  EXPECT_EQ(board.Image12.top(), 2000);
  game.wait(1999);
  EXPECT_EQ(game.score(), "0");
  EXPECT_EQ(board.Image11.left(), plane - 300) << "the hidden plane keeps flying";
  game.wait(1);
  EXPECT_EQ(game.score(), "1000");
  EXPECT_FALSE(board.Image12.visible());
}

TEST(Plane, ABurstOnAnEnemyCellOfThePlanesRowScoresBoth) {
  BoardGame game;
  Form2& board = game.board();
  game.wait(5000);
  game.wait_until_just_after_a_plane_step();
  // The plane's next step brings it onto the enemy's cell at 2000.
  game.change([&] { board.Image11.set_left(2100); });
  game.put(board.Image7, 2000, 2000);
  game.drop_bomb_at("2000", "2000");
  game.wait(4200);
  EXPECT_EQ(game.score(), "1100");
}

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
