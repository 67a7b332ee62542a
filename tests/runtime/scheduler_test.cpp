#include "runtime/scheduler.hpp"

#include <gtest/gtest.h>

#include <string>

#include "runtime/headless/headless_platform.hpp"
#include "runtime/runtime.hpp"

namespace totechita {
namespace {

// A form whose timers write every tick into a log field ("A@3 B@3 "), so that each tick is a
// change and the log is the whole story.
class ClockForm final : public Form {
 public:
  static constexpr std::string_view kName = "ClockForm";
  explicit ClockForm(Runtime& runtime) : Form(runtime, std::string(kName), {}) {
    for (Timer* timer : {&A, &B, &C}) {
      timer->on_tick = [this, timer] {
        if (on_tick) on_tick(*timer);
        Log.set_text(Log.text() + timer->name() + "@" +
                     std::to_string(this->runtime().scheduler().now()) + " ");
      };
    }
  }

  TextBox Log{*this, "Log", {}};
  TextBox Gate{*this, "Gate", {}};
  Timer A{*this, "A", 0};
  Timer B{*this, "B", 0};
  Timer C{*this, "C", 0};
  std::function<void(Timer&)> on_tick;  // extra behaviour, set per test
};

class SchedulerTest : public ::testing::TestWithParam<bool> {
 protected:
  SchedulerTest() : runtime(platform, 0) {
    runtime.scheduler().set_skipping(GetParam());
    runtime.start<ClockForm>();
    form = static_cast<ClockForm*>(runtime.find_form(ClockForm::kName));
  }
  void arm(Timer& timer, int interval) {
    runtime.change([&] { timer.set_interval(interval); });
  }
  void advance_to(Millis t) { runtime.scheduler().advance_to(t); }
  std::string log() const { return form->Log.text(); }

  HeadlessPlatform platform;
  Runtime runtime;
  ClockForm* form = nullptr;
};

TEST_P(SchedulerTest, AnArmedTimerTicksEveryIntervalAndWritingItAgainRestartsTheCount) {
  advance_to(10);
  arm(form->A, 100);
  advance_to(150);
  arm(form->A, 100);
  advance_to(420);
  EXPECT_EQ(log(), "A@110 A@250 A@350 ");
  EXPECT_EQ(runtime.scheduler().now(), 420);
}

// Due timers tick once a pass in control order, whatever order they were armed in, so two
// 1 ms timers alternate.
TEST_P(SchedulerTest, DueTimersTickOnceAPassInControlOrder) {
  arm(form->C, 2);
  arm(form->B, 1);
  arm(form->A, 1);
  advance_to(2);
  EXPECT_EQ(log(), "A@1 B@1 A@2 B@2 C@2 ");
}

// C stops itself at its first tick; A stops B each time, before B's turn in the pass.
TEST_P(SchedulerTest, ATimerStoppedBeforeItsTurnOrByItselfTicksNoMore) {
  form->on_tick = [this](Timer& timer) {
    if (&timer == &form->A) form->B.set_interval(0);
    if (&timer == &form->C) form->C.set_interval(0);
  };
  arm(form->A, 10);
  arm(form->B, 10);
  arm(form->C, 10);
  advance_to(30);
  EXPECT_EQ(log(), "A@10 C@10 A@20 A@30 ");
  EXPECT_EQ(form->C.interval(), 0);
}

TEST_P(SchedulerTest, ATimerArmedDuringAPassWithIntervalOneTicksInTheNextPass) {
  form->on_tick = [this](Timer& timer) {
    if (&timer == &form->B) form->A.set_interval(1);
    if (&timer == &form->A) form->A.set_interval(0);
  };
  arm(form->B, 5);
  advance_to(6);
  EXPECT_EQ(log(), "B@5 A@6 ");
}

TEST_P(SchedulerTest, AHandlerIsNotReenteredAndTheClockDoesNotMoveInsideAPass) {
  form->on_tick = [this](Timer& timer) {
    if (&timer == &form->A) runtime.scheduler().advance_to(runtime.scheduler().now() + 50);
  };
  arm(form->A, 10);
  arm(form->B, 5);
  advance_to(10);
  EXPECT_EQ(log(), "B@5 A@10 B@10 ");
  EXPECT_EQ(runtime.scheduler().now(), 10);
}

TEST_P(SchedulerTest, AfterAJumpMissedTicksAreNotMadeUp) {
  arm(form->A, 100);
  arm(form->B, 30);
  arm(form->C, 2000);
  advance_to(50);
  runtime.scheduler().jump_to(1000);
  advance_to(1130);
  EXPECT_EQ(log(), "B@30 A@1000 B@1000 B@1030 B@1060 B@1090 A@1100 B@1120 ")
      << "each overdue timer ticks once; C, not yet due, keeps its time";
  advance_to(2000);
  EXPECT_TRUE(log().ends_with("C@2000 "));
}

TEST_P(SchedulerTest, TimersOfAnUnloadedFormNeverTick) {
  form->on_tick = [this](Timer& timer) {
    if (&timer == &form->A) runtime.unload(*form);
  };
  arm(form->A, 10);
  arm(form->B, 10);
  ClockForm* gone = form;
  advance_to(100);
  EXPECT_EQ(gone->Log.text(), "A@10 ");
  EXPECT_TRUE(runtime.ended()) << "no form is left once the handler has returned";
}

// A tick that changes nothing is passed over, and the timer keeps its phase: once the gate
// opens, it ticks on its own beat, exactly as without skipping.
TEST_P(SchedulerTest, QuietTicksKeepTheirPhase) {
  form->A.on_tick = [this] {
    if (form->Gate.text() == "open") {
      form->Log.set_text(form->Log.text() + "A@" + std::to_string(runtime.scheduler().now()) + " ");
    }
  };
  arm(form->A, 7);
  advance_to(100);
  runtime.change([&] { form->Gate.set_text("open"); });
  advance_to(120);
  EXPECT_EQ(log(), "A@105 A@112 A@119 ");
}

TEST_P(SchedulerTest, TheNextDueTickIsTheNextThatCanChangeSomething) {
  form->A.on_tick = [] {};
  arm(form->A, 1);
  arm(form->B, 1000);
  advance_to(1);
  if (GetParam()) {
    EXPECT_EQ(runtime.scheduler().next_due(), 1000) << "the quiet 1 ms timer is passed over";
  } else {
    EXPECT_EQ(runtime.scheduler().next_due(), 2);
  }
}

INSTANTIATE_TEST_SUITE_P(SkippingOnAndOff, SchedulerTest, ::testing::Bool(),
                         [](const auto& test) { return test.param ? "skipping" : "every_tick"; });

}  // namespace
}  // namespace totechita
