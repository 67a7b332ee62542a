#include <gtest/gtest.h>

#include "support/headless_game.hpp"
#include "support/played_script.hpp"

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

// At 6600 ms the plane, stepping every second from 2500, stands at 4000 and has one more step to
// make before a bomb dropped then bursts: the plane test compares the Lefts at the burst, only
// on the plane's row, shown or not.
TEST(Plane, ABurstHitsThePlaneOnlyOneStepLeftOfItOnItsRow) {
  struct Case {
    std::string drop;
    int score;
    bool plane_shown;
  };
  const Case cases[] = {
      {.drop = drop_bomb_at("3900", "2000"), .score = 1000, .plane_shown = false},
      {.drop = "menu ポテ戦\n" + drop_bomb_at("3900", "2000"), .score = 1000, .plane_shown = false},
      {.drop = "menu ポテ戦\n" + drop_bomb_at("4000", "2000"), .score = 0, .plane_shown = true},
      {.drop = "menu ポテ戦\n" + drop_bomb_at("3800", "2000"), .score = 0, .plane_shown = true},
      {.drop = drop_bomb_at("3900", "2100"), .score = 0, .plane_shown = false},
      // The plane's next step brings it onto the enemy's cell: both score.
      {.drop =
           "set Image11.Left 2100\n" + put("Image7", "2000", "2000") + drop_bomb_at("2000", "2000"),
       .score = 1100,
       .plane_shown = false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(printed("wait 5100\nexpect Image11.Left 4000\n" + c.drop +
                      "wait 5000\nprint Label13.Caption\nprint Image11.Visible"),
              std::to_string(c.score) + (c.plane_shown ? " true" : " false"))
        << c.drop;
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
