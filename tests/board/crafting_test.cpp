#include <gtest/gtest.h>

#include <sstream>

#include "support/played_script.hpp"

namespace totechita::testing {
namespace {

// One of each makes one bomb, one per step while complete sets last; the hidden tally always
// ends at "0". A click crafts at once; Backspace one tick later, however often it was pressed
// before that tick.
TEST(Crafting, MakesOneBombPerStepFromOneOfEach) {
  struct Case {
    const char* held;  // PET bottles, waters, dry ices
    const char* play;
    const char* after;  // the same, the bombs, the tally
  };
  const Case cases[] = {
      {"1 1 1", "click Label3", "0 0 0 1 0"},
      {"3 2 5", "click Label3", "2 1 4 1 0"},
      {"3 2 5", "click Label3\nclick Label3\nclick Label3", "1 0 3 2 0"},
      {"10 12 100", "click Label3", "9 11 99 1 0"},
      {"0 4 4", "click Label3\nkey Backspace\nwait 5", "0 4 4 0 0"},
      {"3 2 5", "key Backspace\nexpect Label9.Caption 0\nwait 1\nexpect Timer8.Interval 0",
       "2 1 4 1 0"},
      {"3 3 3", "key Backspace 5\nwait 10", "2 2 2 1 0"},
      {"3 3 3", "key Backspace\nwait 30\nkey Backspace\nwait 30\nkey Backspace\nwait 30",
       "0 0 0 3 0"},
  };
  for (const Case& c : cases) {
    std::string set_up;
    std::istringstream held(c.held);
    for (const char* label : {"Label1", "Label2", "Label3"}) {
      std::string count;
      held >> count;
      set_up += "set " + std::string(label) + ".Caption " + count + "\n";
    }
    EXPECT_EQ(printed(set_up + c.play +
                      "\nprint Label1.Caption\nprint Label2.Caption\nprint Label3.Caption\n"
                      "print Label9.Caption\nprint Label7.Caption"),
              c.after)
        << c.held << " then " << c.play;
  }
}

}  // namespace
}  // namespace totechita::testing
