#include <gtest/gtest.h>

#include "support/headless_game.hpp"

namespace totechita::testing {
namespace {

class Crafting : public ::testing::Test {
 protected:
  void hold(const char* pet_bottles, const char* waters, const char* dry_ices) {
    game.change([&] {
      board.Label1.set_caption(pet_bottles);
      board.Label2.set_caption(waters);
      board.Label3.set_caption(dry_ices);
    });
  }
  std::string counts() const {
    return board.Label1.caption() + "," + board.Label2.caption() + "," + board.Label3.caption() +
           " bombs " + board.Label9.caption();
  }
  void click_dry_ice() { game.runtime.click(board.Label3); }

  BoardGame game;
  Form2& board = game.board();
};

TEST_F(Crafting, OneOfEachMakesOneBomb) {
  hold("1", "1", "1");
  click_dry_ice();
  EXPECT_EQ(counts(), "0,0,0 bombs 1");
  EXPECT_EQ(board.Label7.caption(), "0");
}

TEST_F(Crafting, OneBombPerStepWhileCompleteSetsLast) {
  hold("3", "2", "5");
  click_dry_ice();
  EXPECT_EQ(counts(), "2,1,4 bombs 1");
  click_dry_ice();
  EXPECT_EQ(counts(), "1,0,3 bombs 2");
  click_dry_ice();
  EXPECT_EQ(counts(), "1,0,3 bombs 2");
  EXPECT_EQ(board.Label7.caption(), "0");
}

TEST_F(Crafting, AMissingIngredientMakesNothingByClickOrBackspace) {
  hold("0", "4", "4");
  click_dry_ice();
  game.key(kKeyBackspace);
  game.wait(5);
  EXPECT_EQ(counts(), "0,4,4 bombs 0");
  EXPECT_EQ(board.Label7.caption(), "0");
}

TEST_F(Crafting, BackspaceCraftsOneTickLaterAndStopsItsTimer) {
  hold("3", "2", "5");
  game.key(kKeyBackspace);
  EXPECT_EQ(counts(), "3,2,5 bombs 0");
  game.wait(1);
  EXPECT_EQ(counts(), "2,1,4 bombs 1");
  EXPECT_EQ(board.Timer8.interval(), 0);
  EXPECT_EQ(board.Label7.caption(), "0");
}

TEST_F(Crafting, RepeatedBackspacesBeforeTheTickCraftOnce) {
  hold("3", "3", "3");
  game.key(kKeyBackspace, 5);
  game.wait(10);
  EXPECT_EQ(counts(), "2,2,2 bombs 1");
  for (int repeat = 0; repeat < 4; ++repeat) {
    game.key(kKeyBackspace);
    game.wait(30);
  }
  EXPECT_EQ(counts(), "0,0,0 bombs 3") << "a held key crafts once per tick while sets last";
}

TEST_F(Crafting, CountsOfManyDigitsStayPlainWholeNumbers) {
  hold("10", "12", "100");
  click_dry_ice();
  EXPECT_EQ(counts(), "9,11,99 bombs 1");
}

}  // namespace
}  // namespace totechita::testing
