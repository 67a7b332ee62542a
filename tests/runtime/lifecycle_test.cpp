#include <gtest/gtest.h>

#include "support/headless_game.hpp"
#include "title/form1.hpp"

namespace totechita::testing {
namespace {

using Events = std::vector<std::string>;

// What the runtime asks of its platform, in order.
class RecordingPlatform final : public Platform {
 public:
  void form_loaded(Form& form) override { calls.push_back("loaded " + form.name()); }
  void form_shown(Form& form) override { calls.push_back("shown " + form.name()); }
  void form_unloaded(Form& form) override { calls.push_back("unloaded " + form.name()); }
  void message_box(std::string_view prompt, std::string_view title) override {
    calls.push_back("box " + std::string(title) + ": " + std::string(prompt));
  }
  void program_ended(int status) override { calls.push_back("ended " + std::to_string(status)); }
  Events calls;
};

TEST(Lifecycle, TheTitleShowsFifteenHundredMillisecondsThenTheBoardComesBeforeItGoes) {
  RecordingPlatform platform;
  Runtime runtime(platform, 0);
  runtime.start<Form1>();
  runtime.scheduler().advance_to(1499);
  EXPECT_EQ(platform.calls, (Events{"loaded Form1", "shown Form1"}));
  runtime.scheduler().advance_to(1500);
  EXPECT_EQ(platform.calls, (Events{"loaded Form1", "shown Form1", "loaded Form2", "shown Form2",
                                    "unloaded Form1"}));
  EXPECT_EQ(runtime.active_form()->name(), "Form2");
  EXPECT_FALSE(runtime.ended()) << "a form is loaded at every moment";
  runtime.release_unloaded();
}

// Closing the last form ends the program: the board in play, or the title before the board.
TEST(Lifecycle, ClosingTheLastFormEndsTheProgramAndNothingTicksAfter) {
  BoardGame board;
  board.runtime.deliver(CloseBox{"Form2"});
  board.wait(10000);
  EXPECT_EQ(board.events().back(), "t=1500 end");
  EXPECT_EQ(board.now(), 1500) << "no tick after the end";
  EXPECT_EQ(board.runtime.exit_status(), 0);

  HeadlessGame title;
  title.runtime.deliver(CloseBox{"Form1"});
  title.wait(5000);
  EXPECT_EQ(title.events(), (Events{"t=0 show Form1", "t=0 unload Form1", "t=0 end"}));
}

// The error's message box carries the program's title; the trace says the error, then the end.
TEST(Lifecycle, ARuntimeErrorShowsTheErrorMessageAndEndsWithAFailureStatus) {
  RecordingPlatform platform;
  Runtime runtime(platform, 0);
  Events trace;
  runtime.set_trace([&](Millis time, std::string_view line) {
    trace.push_back("t=" + std::to_string(time) + " " + std::string(line));
  });
  runtime.set_title("T");
  runtime.start<Form2>();
  runtime.change([&] { static_cast<Form2*>(runtime.active_form())->Text1.set_text("abc"); });
  runtime.deliver(KeyDown{kKeyRight});
  EXPECT_TRUE(runtime.ended());
  EXPECT_EQ(runtime.exit_status(), 1);
  EXPECT_EQ(platform.calls, (Events{"loaded Form2", "shown Form2",
                                    "box T: 実行時エラー '13':\n\n型が一致しません。", "ended 1"}));
  EXPECT_EQ(trace, (Events{"t=0 show Form2", "t=0 error 実行時エラー '13':\n\n型が一致しません。",
                           "t=0 end"}));
}

// A board shown again after it was unloaded is a new one, with its design values.
TEST(Lifecycle, ABoardShownAgainStartsFresh) {
  BoardGame game;
  game.key(kKeyRight, 3);
  game.set_score("300");
  game.change([&] {
    game.runtime.unload(game.board());
    game.runtime.show<Form2>();
  });
  EXPECT_EQ(game.board().Text1.text(), "0");
  EXPECT_EQ(game.score(), "0");
  EXPECT_FALSE(game.runtime.ended()) << "unloaded and shown in one event";
}

// A window repaints only when something it shows has changed.
TEST(ShownChanges, OnlyLabelsAndPicturesThatAreOrWereVisibleCount) {
  BoardGame game;
  Form2& board = game.board();
  game.wait(200);
  const auto shown = [&] { return board.shown_revision(); };
  auto before = shown();
  game.wait(1000);
  EXPECT_EQ(shown(), before) << "the hidden plane's step shows nothing";
  game.key(kKeyRight);
  EXPECT_EQ(shown(), before) << "a position field and the hidden character show nothing";
  game.wait(100);
  EXPECT_GT(shown(), before) << "the player's sprite moved";
  before = shown();
  game.choose("mnupotesen");
  EXPECT_GT(shown(), before) << "the plane comes into view";
  before = shown();
  game.wait(1000);
  EXPECT_GT(shown(), before) << "the visible plane's step";
  before = shown();
  game.set_score("100");
  EXPECT_GT(shown(), before);
}

}  // namespace
}  // namespace totechita::testing
