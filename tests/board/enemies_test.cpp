#include <gtest/gtest.h>

#include "support/headless_game.hpp"
#include "support/played_script.hpp"

namespace totechita::testing {
namespace {

// A hit is exact equality of Left and Top between the burst and an enemy: 100 points for 茂佐,
// 200 for ヌガタのおやじ, both when both stand on the cell. An enemy never placed stays parked.
TEST(Enemies, ABurstHitsExactlyTheEnemiesOnItsCell) {
  struct Strike {
    std::string play;
    int score;
  };
  const Strike strikes[] = {
      {.play = put("Image7", "2000", "3000") + drop_bomb_at("2000", "3000"), .score = 100},
      {.play = put("Image9", "1000", "4000") + drop_bomb_at("1000", "4000"), .score = 200},
      {.play = put("Image7", "3000", "1000") + put("Image9", "3000", "1000") +
               drop_bomb_at("3000", "1000"),
       .score = 300},
      {.play = put("Image7", "3000", "1000") + put("Image9", "1000", "1000") +
               drop_bomb_at("3000", "1000"),
       .score = 100},
      {.play = put("Image7", "2000", "3000") + drop_bomb_at("2000", "2900"), .score = 0},
      {.play = put("Image7", "2000", "3000") + drop_bomb_at("2100", "3000"), .score = 0},
      {.play = drop_bomb_at("4400", "6200"), .score = 0},
  };
  for (const Strike& strike : strikes) {
    EXPECT_EQ(printed(strike.play + "wait 5000\nprint Label13.Caption"),
              std::to_string(strike.score))
        << strike.play;
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
