#include <gtest/gtest.h>

#include <set>

#include "support/headless_game.hpp"

namespace totechita::testing {
namespace {

constexpr float kUnplaced = -1;

struct Strike {
  const char* name;
  float mosa_left, mosa_top;      // kUnplaced: where the design parks it
  float nugata_left, nugata_top;  //
  const char* bomb_x;
  const char* bomb_y;
  const char* score;  // five seconds later
};

// A hit is exact equality of Left and Top between the burst and an enemy: 100 points for 茂佐,
// 200 for ヌガタのおやじ, both when both stand on the cell.
TEST(Enemies, ABurstHitsExactlyTheEnemiesOnItsCell) {
  const Strike strikes[] = {
      {"Mosa", 2000, 3000, kUnplaced, 0, "2000", "3000", "100"},
      {"Nugata", kUnplaced, 0, 1000, 4000, "1000", "4000", "200"},
      {"BothOnOneCell", 3000, 1000, 3000, 1000, "3000", "1000", "300"},
      {"EachOnItsOwnCell", 3000, 1000, 1000, 1000, "3000", "1000", "100"},
      {"SameLeftOtherTop", 2000, 3000, kUnplaced, 0, "2000", "2900", "0"},
      {"BesideOverlapping", 2000, 3000, kUnplaced, 0, "2100", "3000", "0"},
      {"NeverPlaced", kUnplaced, 0, kUnplaced, 0, "4400", "6200", "0"},
  };
  for (const Strike& strike : strikes) {
    BoardGame game;
    Form2& board = game.board();
    if (strike.mosa_left != kUnplaced) game.put(board.Image7, strike.mosa_left, strike.mosa_top);
    if (strike.nugata_left != kUnplaced) {
      game.put(board.Image9, strike.nugata_left, strike.nugata_top);
    }
    game.drop_bomb_at(strike.bomb_x, strike.bomb_y);
    game.wait(5000);
    EXPECT_EQ(game.score(), strike.score) << strike.name;
  }
}

TEST(Enemies, AHitShowsWhenTheBurstEndsAndScoresWhenTheHitPictureGoes) {
  BoardGame game;
  Form2& board = game.board();
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
  game.wait(1999);
  EXPECT_EQ(game.score(), "0");
  game.wait(1);
  EXPECT_EQ(game.score(), "100");
  EXPECT_FALSE(board.Image8.visible());
  EXPECT_EQ(board.Image7.left(), 2000) << "the spent enemy stays hidden on its cell";

  game.drop_bomb_at("2000", "3000");
  game.wait(4100);
  EXPECT_EQ(game.score(), "200") << "visibility is never tested: the spent enemy is hit again";
}

// The enemy is placed anew after the bomb was dropped: while its hit picture shows it still
// scores; while the burst shows, the burst is tested against its new cell.
TEST(Enemies, AnEnemyPlacedAnewDuringAChainIsJudgedWhereItStandsThen) {
  BoardGame game;
  Form2& board = game.board();
  game.put(board.Image7, 1000, 1000);
  Millis enter = game.drop_bomb_at("1000", "1000");
  game.wait_until(enter + 2500);
  ASSERT_TRUE(board.Image8.visible());
  game.put(board.Image7, 3000, 3000);
  EXPECT_EQ(board.Image8.left(), 1000);
  game.wait(2000);
  EXPECT_EQ(game.score(), "100");

  enter = game.drop_bomb_at("2000", "2000");
  game.wait_until(enter + 1500);
  game.put(board.Image7, 2000, 2000);
  game.wait(3000);
  EXPECT_EQ(game.score(), "200");
}

}  // namespace
}  // namespace totechita::testing
