#include <gtest/gtest.h>

#include <string>

#include "support/played_script.hpp"

namespace totechita::testing {
namespace {

// One of each makes one bomb, one per step while complete sets last; the hidden tally (Label7)
// always ends at "0". A click crafts at once; Backspace one tick later, however often it was
// pressed before that tick.
TEST(Crafting, MakesOneBombPerStepFromOneOfEach) {
  struct Ingredients {
    int pet_bottles, waters, dry_ices;
  };
  struct Case {
    Ingredients held;
    std::string play;
    Ingredients left;
    int bombs;
  };
  const Case cases[] = {
      {.held = {1, 1, 1}, .play = "click Label3", .left = {0, 0, 0}, .bombs = 1},
      {.held = {3, 2, 5}, .play = "click Label3", .left = {2, 1, 4}, .bombs = 1},
      {.held = {3, 2, 5},
       .play = "click Label3\nclick Label3\nclick Label3",
       .left = {1, 0, 3},
       .bombs = 2},
      {.held = {10, 12, 100}, .play = "click Label3", .left = {9, 11, 99}, .bombs = 1},
      {.held = {0, 4, 4},
       .play = "click Label3\nkey Backspace\nwait 5",
       .left = {0, 4, 4},
       .bombs = 0},
      {.held = {3, 2, 5},
       .play = "key Backspace\nexpect Label9.Caption 0\nwait 1\nexpect Timer8.Interval 0",
       .left = {2, 1, 4},
       .bombs = 1},
      {.held = {3, 3, 3}, .play = "key Backspace 5\nwait 10", .left = {2, 2, 2}, .bombs = 1},
      {.held = {3, 3, 3},
       .play = "key Backspace\nwait 30\nkey Backspace\nwait 30\nkey Backspace\nwait 30",
       .left = {0, 0, 0},
       .bombs = 3},
  };
  const auto counts = [](const Ingredients& i) {
    return std::to_string(i.pet_bottles) + " " + std::to_string(i.waters) + " " +
           std::to_string(i.dry_ices);
  };
  for (const Case& c : cases) {
    const std::string set_up = "set Label1.Caption " + std::to_string(c.held.pet_bottles) +
                               "\nset Label2.Caption " + std::to_string(c.held.waters) +
                               "\nset Label3.Caption " + std::to_string(c.held.dry_ices) + "\n";
    EXPECT_EQ(printed(set_up + c.play +
                      "\nprint Label1.Caption\nprint Label2.Caption\nprint Label3.Caption\n"
                      "print Label9.Caption\nprint Label7.Caption"),
              counts(c.left) + " " + std::to_string(c.bombs) + " 0")
        << counts(c.held) << " then " << c.play;
  }
}

}  // namespace
}  // namespace totechita::testing
