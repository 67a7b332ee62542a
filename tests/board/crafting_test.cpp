#include <gtest/gtest.h>

#include <array>

#include "support/headless_game.hpp"

namespace totechita::testing {
namespace {

enum class Craft {
  click,
  click_three_times,
  backspace,
  five_backspaces,
  backspace_held_four_ticks
};

struct CraftingCase {
  std::array<const char*, 3> held;  // PET bottles, waters, dry ices
  Craft how;
  const char* after;  // the same, then the bombs
};

// One of each makes one bomb, one per step while complete sets last; the hidden tally always
// ends at "0". A click crafts at once; Backspace one tick later, however often it is pressed
// before that tick.
TEST(Crafting, MakesOneBombPerStepFromOneOfEach) {
  const CraftingCase cases[] = {
      {{"1", "1", "1"}, Craft::click, "0,0,0 bombs 1"},
      {{"3", "2", "5"}, Craft::click, "2,1,4 bombs 1"},
      {{"3", "2", "5"}, Craft::click_three_times, "1,0,3 bombs 2"},
      {{"10", "12", "100"}, Craft::click, "9,11,99 bombs 1"},
      {{"0", "4", "4"}, Craft::click, "0,4,4 bombs 0"},
      {{"0", "4", "4"}, Craft::backspace, "0,4,4 bombs 0"},
      {{"3", "2", "5"}, Craft::backspace, "2,1,4 bombs 1"},
      {{"3", "3", "3"}, Craft::five_backspaces, "2,2,2 bombs 1"},
      {{"3", "3", "3"}, Craft::backspace_held_four_ticks, "0,0,0 bombs 3"},
  };
  for (const CraftingCase& c : cases) {
    BoardGame game;
    Form2& board = game.board();
    game.change([&] {
      board.Label1.set_caption(c.held[0]);
      board.Label2.set_caption(c.held[1]);
      board.Label3.set_caption(c.held[2]);
    });
    switch (c.how) {
      case Craft::click:
        game.runtime.click(board.Label3);
        break;
      case Craft::click_three_times:
        for (int click = 0; click < 3; ++click)
          game.runtime.click(board.Label3);
        break;
      case Craft::backspace:
        game.key(kKeyBackspace);
        EXPECT_EQ(board.Label9.caption(), "0") << "not before the tick";
        game.wait(1);
        EXPECT_EQ(board.Timer8.interval(), 0);
        break;
      case Craft::five_backspaces:
        game.key(kKeyBackspace, 5);
        game.wait(10);
        break;
      case Craft::backspace_held_four_ticks:
        for (int repeat = 0; repeat < 4; ++repeat) {
          game.key(kKeyBackspace);
          game.wait(30);
        }
        break;
    }
    EXPECT_EQ(board.Label1.caption() + "," + board.Label2.caption() + "," + board.Label3.caption() +
                  " bombs " + board.Label9.caption(),
              c.after)
        << c.held[0] << "," << c.held[1] << "," << c.held[2] << " crafted by way "
        << static_cast<int>(c.how);
    EXPECT_EQ(board.Label7.caption(), "0");
  }
}

}  // namespace
}  // namespace totechita::testing
