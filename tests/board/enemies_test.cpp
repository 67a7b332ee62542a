#include <gtest/gtest.h>

#include <set>

#include "support/bombing.hpp"

namespace totechita::testing {
namespace {

class Enemies : public ::testing::Test {
 protected:
  BombingGame game;
  Form2& board = game.board();
};

TEST_F(Enemies, PlacementsCoverAllSixteenCellsAndNothingElse) {
  std::set<std::pair<float, float>> cells;
  game.choose("mnumosa");
  for (int i = 0; i < 300; ++i) {
    game.choose(i % 2 ? "mnumosa" : "mnunugo");
    game.wait(i % 7);
    for (Picture* enemy : {&board.Image7, &board.Image9}) {
      ASSERT_TRUE(enemy->left() == 1000 || enemy->left() == 2000 || enemy->left() == 3000 ||
                  enemy->left() == 4000)
          << enemy->left();
      ASSERT_TRUE(enemy->top() == 1000 || enemy->top() == 2000 || enemy->top() == 3000 ||
                  enemy->top() == 4000)
          << enemy->top();
      ASSERT_TRUE(enemy->visible());
      cells.insert({enemy->left(), enemy->top()});
    }
  }
  EXPECT_EQ(cells.size(), 16u);
}

TEST_F(Enemies, AHitScoresOnlyWhenTheHitPictureGoes) {
  game.put(board.Image7, 2000, 3000);
  const Millis enter = game.drop_bomb_at("2000", "3000");
  game.wait_until(enter + 2003);
  EXPECT_FALSE(board.Image13.visible()) << "the burst has ended";
  EXPECT_TRUE(board.Image7.visible());
  EXPECT_EQ(board.Label11.caption(), "1") << "ready for the next bomb before the hit shows";
  game.wait(1);
  EXPECT_FALSE(board.Image7.visible());
  EXPECT_TRUE(board.Image8.visible());
  EXPECT_EQ(board.Image8.left(), 2000);
  EXPECT_EQ(board.Image8.top(), 3000);
  EXPECT_EQ(game.score(), "0");
  game.wait(1999);
  EXPECT_EQ(game.score(), "0");
  game.wait(1);
  EXPECT_EQ(game.score(), "100");
  EXPECT_FALSE(board.Image8.visible());
  EXPECT_EQ(board.Image7.left(), 2000) << "the spent enemy stays hidden on its cell";
}

TEST_F(Enemies, TheSecondEnemyScoresTwoHundred) {
  game.put(board.Image9, 1000, 4000);
  game.drop_bomb_at("1000", "4000");
  game.wait(4010);
  EXPECT_EQ(game.score(), "200");
  EXPECT_FALSE(board.Image10.visible());
}

TEST_F(Enemies, EqualLeftButAnotherTopScoresNothing) {
  game.put(board.Image7, 2000, 3000);
  game.drop_bomb_at("2000", "2900");
  game.wait(2004);
  EXPECT_EQ(board.Timer14.interval(), 0) << "the row test ran and stopped";
  EXPECT_TRUE(board.Image7.visible());
  game.wait(3000);
  EXPECT_EQ(game.score(), "0");
}

TEST_F(Enemies, ABurstBesideAnEnemyMissesAlthoughThePicturesOverlap) {
  game.put(board.Image7, 2000, 3000);
  game.drop_bomb_at("2100", "3000");
  game.wait(5000);
  EXPECT_EQ(game.score(), "0");
}

TEST_F(Enemies, BothEnemiesOnOneCellScoreThreeHundred) {
  game.put(board.Image7, 3000, 1000);
  game.put(board.Image9, 3000, 1000);
  game.drop_bomb_at("3000", "1000");
  game.wait(2004);
  EXPECT_TRUE(board.Image8.visible());
  EXPECT_TRUE(board.Image10.visible());
  game.wait(2001);
  EXPECT_EQ(game.score(), "300");
}

TEST_F(Enemies, ASpentEnemyIsHitAgain) {
  game.put(board.Image7, 4000, 4000);
  game.drop_bomb_at("4000", "4000");
  game.wait(4100);
  ASSERT_EQ(game.score(), "100");
  ASSERT_FALSE(board.Image7.visible());
  game.drop_bomb_at("4000", "4000");
  game.wait(4100);
  EXPECT_EQ(game.score(), "200");
}

TEST_F(Enemies, AnEnemyPlacedAnewWhileItsHitPictureShowsStillScores) {
  game.put(board.Image7, 1000, 1000);
  const Millis enter = game.drop_bomb_at("1000", "1000");
  game.wait_until(enter + 2500);
  ASSERT_TRUE(board.Image8.visible());
  game.put(board.Image7, 3000, 3000);
  EXPECT_TRUE(board.Image7.visible());
  EXPECT_TRUE(board.Image8.visible());
  EXPECT_EQ(board.Image8.left(), 1000);
  game.wait(2000);
  EXPECT_EQ(game.score(), "100");
}

TEST_F(Enemies, AnEnemyPlacedAnewWhileTheBurstShowsIsTestedOnItsNewCell) {
  game.put(board.Image7, 1000, 1000);
  const Millis enter = game.drop_bomb_at("2000", "2000");
  game.wait_until(enter + 1500);
  game.put(board.Image7, 2000, 2000);
  game.wait(3000);
  EXPECT_EQ(game.score(), "100");
}

TEST_F(Enemies, AnEnemyNeverPlacedCannotBeHit) {
  game.drop_bomb_at("4400", "6200");
  game.wait(5000);
  EXPECT_EQ(game.score(), "0");
  EXPECT_TRUE(board.Image7.visible());
}

TEST_F(Enemies, ExitEndsEverythingAtOnceInTheMiddleOfABombChain) {
  game.put(board.Image7, 2000, 3000);
  game.drop_bomb_at("2000", "3000");
  game.wait(2002);
  game.choose("mnusuu");
  EXPECT_TRUE(game.runtime.ended());
  EXPECT_EQ(game.runtime.exit_status(), 0);
  const Millis ended_at = game.now();
  const std::string last = game.events.back();
  game.wait(10000);
  EXPECT_EQ(game.now(), ended_at) << "no further tick";
  EXPECT_EQ(game.events.back(), last);
  EXPECT_EQ(last, "t=" + std::to_string(ended_at) + " end");
  EXPECT_EQ(game.score(), "0");
}

}  // namespace
}  // namespace totechita::testing
