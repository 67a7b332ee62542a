#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "script/watching_pace.hpp"

namespace totechita::script {
namespace {

struct Boxes {
  const char* what;
  const char* recording;
  std::vector<std::pair<Millis, Millis>> boxes;  // opened at, stays open
};

// Each box shows for as long as its own closing made the clock jump, asked in the order the
// boxes open: a box that closed at once takes nothing from a later box's jump, nor from a stall.
TEST(WatchingPace, EachMessageBoxStaysOpenAsLongAsItsOwnClosingJumpedTheClock) {
  const Boxes cases[] = {
      {"a box read for 300 ms", "seed 4\nwait 2500\njump 300\nwait 100\n", {{2500, 300}}},
      {"the finale's box closed at once, the house's read",
       "wait 2000\nkey Right\nwait 3000\njump 700\n",
       {{1000, 0}, {5000, 700}}},
      {"a box closed at once, then the game went on and stalled",
       "wait 1000\nwait 400\njump 500\n",
       {{1000, 0}}},
      {"the jump after a catch-up that went on past the box",
       "wait 1003\njump 900\n",
       {{1000, 900}}},
      {"input came first: the box had closed",
       "wait 1000\nkey Left\nwait 1\njump 50\n",
       {{999, 0}}},
      {"the input that opened the box", "wait 1000\nclick Label3\njump 250\n", {{1000, 250}}},
      {"nothing known after an until", "until Form2.Loaded true 2000\njump 300\n", {{1500, 0}}},
  };
  for (const Boxes& each : cases) {
    WatchingPace pace(each.recording);
    for (const auto& [opened, open_for] : each.boxes) {
      EXPECT_EQ(pace.reading_time(opened), open_for) << each.what << ", the box at " << opened;
    }
  }
}

// The game is shown at the real time it was played, a frame or a due tick at a time; after a
// jump (a stall, a box's time) it goes on at once rather than standing still as long.
TEST(WatchingPace, ShowsEachInstantAtItsRealTimeAndGoesOnAtOnceAfterAJump) {
  WatchingPace pace("");
  pace.start(5000);
  EXPECT_EQ(WatchingPace::next_instant(100, 1000, 900), 900) << "quiet ticks are not waited for";
  EXPECT_EQ(WatchingPace::next_instant(100, 500, 900), 500) << "nor past the next command";
  EXPECT_EQ(pace.real_wait(116, 5100), 16);
  pace.jumped(60'000, 5200);  // a minute's stall, or a box read for a minute
  EXPECT_EQ(pace.real_wait(60'016, 5200), 16);
}

}  // namespace
}  // namespace totechita::script
