#include <gtest/gtest.h>

#include <string>

#include "desktop/session_helpers.hpp"
#include "playback/message_box_closer.hpp"
#include "runtime/headless/headless_platform.hpp"
#include "runtime/key_codes.hpp"
#include "support/ticker.hpp"

namespace totechita::desktop::testing {
namespace {

using totechita::testing::Ticker;

// The clock driver alone, on a stepped clock, driving a ticker (the rules of the clock it follows
// are tested with ClockFollower; here, when it wakes).
class TickerClock : public ::testing::Test {
 protected:
  TickerClock() {
    runtime.start<Ticker>();
    driver.start();
  }
  Ticker& ticker() { return static_cast<Ticker&>(*runtime.find_form(Ticker::kName)); }
  int follow_plan_until(Millis time) { return follow_plan(driver, clock, time); }

  Millis clock = 0;
  HeadlessPlatform platform;
  Runtime runtime{platform, 0};
  ClockDriver driver{runtime, [this] { return clock; }, [] {}};
};

TEST_F(TickerClock, ATimerOfOneMillisecondWakesTheDriverOncePerFrameAndMissesNoTick) {
  const int wake_ups = follow_plan_until(1000);
  EXPECT_LE(wake_ups, 1000 / ClockDriver::kFrame + 1);
  EXPECT_GE(ticker().ticks(), 1000 - ClockDriver::kFrame);
  EXPECT_EQ(ticker().ticks(), runtime.scheduler().now());
}

// Input is served at once and the next wake-up waits a frame.
TEST_F(TickerClock, InputIsServedAtOnceAndTheNextWakeUpWaitsAFrame) {
  clock = 40;
  driver.deliver(KeyDown{kKeyRight});
  EXPECT_EQ(ticker().ticks(), 40);
  EXPECT_EQ(driver.planned_wake(), Millis{40 + ClockDriver::kFrame});
}

TEST(ClockDriver, AMessageBoxStopsTheClockAndItJumpsWhenTheBoxCloses) {
  BoardSession session;
  std::optional<Millis> virtual_time_in_box;
  float plane_in_box = 0;
  MessageBoxCloser closer([&](QMessageBox&) {
    virtual_time_in_box = session.game().runtime().scheduler().now();
    plane_in_box = session.board().Image11.left();
    session.stall(10000);  // the player reads the message
    session.game().clock().wake();
    EXPECT_EQ(session.game().runtime().scheduler().now(), *virtual_time_in_box);
  });
  session.change([&] { session.board().Label13.set_caption("3100"); });
  session.wait(1000);
  ASSERT_TRUE(virtual_time_in_box);
  session.wait(1);
  EXPECT_EQ(session.game().runtime().scheduler().now(), session.now());
  EXPECT_EQ(session.board().Image11.left(), plane_in_box - 100);
}

}  // namespace
}  // namespace totechita::desktop::testing
