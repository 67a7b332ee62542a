#include "runtime/clock_follower.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "runtime/headless/headless_platform.hpp"

namespace totechita {
namespace {

// A form whose one timer counts its ticks into a label, every millisecond.
class Ticker final : public Form {
 public:
  static constexpr std::string_view kName = "Ticker";
  explicit Ticker(Runtime& runtime) : Form(runtime, std::string(kName), {}) {
    Timer1.on_tick = [this] { Label1.set_caption(std::to_string(ticks() + 1)); };
  }
  int ticks() const { return std::stoi(Label1.caption()); }

  Label Label1{*this, "Label1", {.caption = "0", .bounds = {}}};
  Timer Timer1{*this, "Timer1", 1};
};

// The follower on a real clock that moves only when the test moves it.
class TickerClock : public ::testing::Test {
 protected:
  TickerClock() {
    runtime.start<Ticker>();
    follower.set_on_jump([this](Millis from, Millis to) { jumps.emplace_back(from, to); });
  }
  int ticks() { return static_cast<Ticker&>(*runtime.find_form(Ticker::kName)).ticks(); }

  Millis real = 0;
  HeadlessPlatform platform;
  Runtime runtime{platform, 0};
  ClockFollower follower{runtime, [this] { return real; }};
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
// not at all once the program has ended.
TEST_F(TickerClock, InputRunsAtTheRealTimeOneEventAtATime) {
  real = 40;
  Millis seen_at = -1;
  bool nested_ran = false;
  EXPECT_TRUE(follower.deliver([&] {
    seen_at = runtime.scheduler().now();
    EXPECT_TRUE(follower.serving());
    EXPECT_FALSE(follower.deliver([&] { nested_ran = true; }));
  }));
  EXPECT_EQ(seen_at, 40);
  EXPECT_EQ(ticks(), 40);
  EXPECT_FALSE(nested_ran);
  EXPECT_EQ(follower.next_due(), 41);
  runtime.change([&] { runtime.unload(*runtime.find_form(Ticker::kName)); });
  EXPECT_FALSE(follower.deliver([&] { nested_ran = true; }));
  EXPECT_FALSE(nested_ran);
  EXPECT_FALSE(follower.next_due());
}

}  // namespace
}  // namespace totechita
