#include <gtest/gtest.h>

#include <set>

#include "support/headless_game.hpp"

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
TEST_F(Ingredients, ANearMissPicksUpNothing) {
  for (auto [x, y] :
       {std::pair{"4300", "3500"}, std::pair{"4200", "3600"}, std::pair{"4400", "3600"},
        std::pair{"1000", "3600"}, std::pair{"4300.0", "3600"}}) {
    game.stand_at(x, y);
    game.wait(20);
    EXPECT_EQ(board.Label1.caption() + board.Text7.text() + board.Text5.text(), "001")
        << x << "," << y;
  }
}

TEST_F(Ingredients, TwoIngredientsOnThePlayersPlaceAreEachPickedUp) {
  game.change([&] {
    board.Text6.set_text("4300");
    board.Text8.set_text("3600");
  });
  game.stand_at("4300", "3600");
  game.wait(2);
  EXPECT_EQ(board.Label1.caption() + board.Label2.caption() + board.Label3.caption(), "110");
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

}  // namespace
}  // namespace totechita::testing
