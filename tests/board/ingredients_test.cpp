#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "board/grid_draw.hpp"
#include "support/headless_game.hpp"
#include "support/played_script.hpp"

namespace totechita::testing {
namespace {

class Ingredients : public ::testing::Test {
 protected:
  BoardGame game{5};
  Form2& board = game.board();
};

// Along the top edge and down to (4300, 3600), past no other ingredient.
TEST_F(Ingredients, WalkingOntoThePetBottlePicksUpExactlyIt) {
  game.key(kKeyRight, 43);
  game.key(kKeyDown, 36);
  game.wait(1);
  EXPECT_EQ(board.Label1.caption(), "1");
  EXPECT_EQ(board.Text5.text(), "0") << "taken: the mover has not ticked yet";
  game.wait(1);
  EXPECT_EQ(board.Text5.text(), "1");
  EXPECT_TRUE(on_grid(to_number(board.Text3.text())) && on_grid(to_number(board.Text4.text())));
  EXPECT_EQ(board.Image2.left(), to_single(board.Text3.text()));
  EXPECT_EQ(board.Image2.top(), to_single(board.Text4.text()));
  EXPECT_EQ(board.Label2.caption() + board.Label3.caption() + board.Text7.text(), "000");
}

// The pickup test compares positions as text, exactly.
TEST(Ingredient, OnlyAnExactMatchPicksUp) {
  for (auto [x, y] :
       {std::pair{"4300", "3500"}, std::pair{"4200", "3600"}, std::pair{"4400", "3600"},
        std::pair{"1000", "3600"}, std::pair{"4300.0", "3600"}}) {
    EXPECT_EQ(printed(stand_at(x, y) +
                      "wait 20\nprint Label1.Caption\nprint Text7.Text\nprint Text5.Text"),
              "0 0 1")
        << x << "," << y;
  }
  EXPECT_EQ(printed("set Text6.Text 4300\nset Text8.Text 3600\n" + stand_at("4300", "3600") +
                    "wait 2\nprint Label1.Caption\nprint Label2.Caption\nprint Label3.Caption"),
            "1 1 0")
      << "two ingredients on the player's place are each picked up";
}

// Chasing the dry ice from place to place, a millisecond at a time: every new place is one of
// the sixteen grid places and all sixteen come up. Each pickup counts once; a new place that
// falls under the player (one chance in sixteen) is picked up again at once.
TEST_F(Ingredients, NewPlacesCoverTheGridAndEachPickupCountsOnce) {
  std::set<std::string> places;
  int pickups = 0;
  int repeats = 0;
  for (int chase = 0; chase < 400; ++chase) {
    game.stand_at(board.Text11.text(), board.Text12.text());
    for (bool first = true;; first = false) {
      game.wait(1);
      if (board.Text13.text() == "1") break;
      ++pickups;
      if (!first) ++repeats;
    }
    const std::string x = board.Text11.text();
    const std::string y = board.Text12.text();
    ASSERT_TRUE(on_grid(to_number(x)) && on_grid(to_number(y))) << x << "," << y;
    places.insert(x + "," + y);
    ASSERT_EQ(board.Label3.caption(), to_text(pickups));
  }
  EXPECT_EQ(places.size(), 16u);
  EXPECT_GT(repeats, 0);
  EXPECT_LT(repeats, 60);
}

// In single precision, r × 4 + 1 rounds up to exactly 5 for the largest single below 1, which
// would put a sprite at 5000, off the grid.
TEST(GridDraw, GivesOneOfTheFourGridValuesEvenForTheLargestSingleBelowOne) {
  const float largest = std::nextafter(1.0f, 0.0f);
  const std::pair<float, double> draws[] = {
      {0.0f, 1000}, {0.2499999f, 1000}, {0.25f, 2000}, {0.5f, 3000}, {0.75f, 4000}, {largest, 4000},
  };
  for (auto [r, position] : draws)
    EXPECT_EQ(grid_position(r), position) << r;
  EXPECT_EQ(std::floor(largest * 4.0f + 1.0f), 5.0f) << "the trap the grid draw avoids";
}

}  // namespace
}  // namespace totechita::testing
