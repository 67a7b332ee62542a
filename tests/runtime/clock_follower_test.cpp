#include "runtime/clock_follower.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "runtime/headless/headless_platform.hpp"
#include "runtime/key_codes.hpp"
#include "support/ticker.hpp"

namespace totechita::testing {
namespace {

// The follower on a real clock that moves only when the test moves it, telling what it observes.
class TickerClock : public ::testing::Test, public InputObserver {
 protected:
  TickerClock() {
    runtime.start<Ticker>();
    follower.set_observer(*this);
  }
  Ticker& ticker() { return static_cast<Ticker&>(*runtime.find_form(Ticker::kName)); }
  int ticks() { return ticker().ticks(); }

  void input(Millis time, const Input& given) override { inputs.emplace_back(time, given); }
  void jumped(Millis from, Millis to) override { jumps.emplace_back(from, to); }

  Millis real = 0;
  HeadlessPlatform platform;
  Runtime runtime{platform, 0};
  ClockFollower follower{runtime, [this] { return real; }};
  std::vector<std::pair<Millis, Input>> inputs;
  std::vector<std::pair<Millis, Millis>> jumps;
};

// Up to the stall threshold a late catch-up makes up every tick; past it, time jumps and each
// overdue timer ticks once.
TEST_F(TickerClock, CatchingUpServesEveryTickUnlessTheRealClockRanFarAhead) {
  real = 100;
  follower.catch_up();
  EXPECT_EQ(ticks(), 100);
  real = 100 + 1 + ClockFollower::kStallThreshold;
  follower.catch_up();
  EXPECT_EQ(ticks(), 100 + 1 + ClockFollower::kStallThreshold);
  EXPECT_TRUE(jumps.empty());
  const Millis stalled_from = real;
  real += 1 + ClockFollower::kStallThreshold + 1;
  follower.catch_up();
  EXPECT_EQ(ticks(), 100 + 1 + ClockFollower::kStallThreshold + 1);
  EXPECT_EQ(runtime.scheduler().now(), real);
  EXPECT_EQ(jumps, (std::vector<std::pair<Millis, Millis>>{{stalled_from, real}}));
}

// A closed message box makes the clock jump to the moment it closed, however short it was; the
// time since is served in full.
TEST_F(TickerClock, AfterAMessageBoxTimeJumpsToWhenItClosedThenServesEveryTick) {
  real = 100;
  follower.catch_up();
  real += 200;  // the box is open
  follower.note_clock_stopped();
  real += 16;
  follower.catch_up();
  EXPECT_EQ(ticks(), 100 + 1 + 16);
  EXPECT_EQ(runtime.scheduler().now(), real);
  EXPECT_EQ(jumps, (std::vector<std::pair<Millis, Millis>>{{100, 300}}));
}

// Input runs at the real time once the clock has caught up, never inside another event, and
// not at all once the program has ended; the observer hears of each input that runs, when it runs.
TEST_F(TickerClock, InputRunsAtTheRealTimeOneEventAtATime) {
  real = 40;
  Millis seen_at = -1;
  int keys = 0;
  ticker().on_key([&] {
    ++keys;
    seen_at = runtime.scheduler().now();
    EXPECT_TRUE(follower.serving());
    EXPECT_FALSE(follower.deliver(KeyDown{kKeyLeft}));
  });
  EXPECT_TRUE(follower.deliver(KeyDown{kKeyRight}));
  EXPECT_EQ(seen_at, 40);
  EXPECT_EQ(ticks(), 40);
  EXPECT_EQ(keys, 1);
  EXPECT_EQ(inputs, (std::vector<std::pair<Millis, Input>>{{40, KeyDown{kKeyRight}}}));
  EXPECT_EQ(follower.next_due(), 41);
  runtime.change([&] { runtime.unload(*runtime.find_form(Ticker::kName)); });
  EXPECT_FALSE(follower.deliver(KeyDown{kKeyRight}));
  EXPECT_EQ(inputs.size(), 1u);
  EXPECT_FALSE(follower.next_due());
}

}  // namespace
}  // namespace totechita::testing
