#include <gtest/gtest.h>

#include "runtime/runtime_error.hpp"
#include "support/headless_game.hpp"

namespace totechita::testing {
namespace {

TEST(Lifecycle, TitleForFifteenHundredMillisecondsThenTheBoard) {
  HeadlessGame game;
  EXPECT_EQ(game.events, (std::vector<std::string>{"t=0 show Form1"}));
  game.wait(1499);
  EXPECT_TRUE(game.loaded("Form1"));
  EXPECT_FALSE(game.loaded("Form2"));
  game.wait(1);
  EXPECT_FALSE(game.loaded("Form1"));
  EXPECT_TRUE(game.loaded("Form2"));
  EXPECT_EQ(game.events, (std::vector<std::string>{"t=0 show Form1", "t=1500 show Form2",
                                                   "t=1500 unload Form1"}));
  EXPECT_EQ(game.runtime.active_form()->name(), "Form2");
  EXPECT_FALSE(game.runtime.ended()) << "the board is shown before the title goes";
}

TEST(Lifecycle, KeysAndClicksDuringTheTitleChangeNothing) {
  HeadlessGame game;
  auto& title = *static_cast<Form1*>(game.runtime.find_form("Form1"));
  game.wait(700);
  game.key(kKeyRight, 5);
  game.key(kKeyEnter);
  game.runtime.click(title.Image1);
  game.wait(799);
  EXPECT_FALSE(game.loaded("Form2")) << "the wait is not shortened";
  game.wait(1);
  EXPECT_EQ(game.board().Text1.text(), "0");
  EXPECT_EQ(game.board().Timer9.interval(), 0);
}

TEST(Lifecycle, ClosingTheBoardEndsTheProgram) {
  BoardGame game;
  game.runtime.close(game.board());
  EXPECT_TRUE(game.runtime.ended());
  EXPECT_EQ(game.runtime.exit_status(), 0);
  EXPECT_EQ(game.events.back(), "t=1500 end");
  game.wait(10000);
  EXPECT_EQ(game.now(), 1500) << "no tick after the end";
}

TEST(Lifecycle, ClosingTheTitleEndsTheProgramBeforeTheBoardComes) {
  HeadlessGame game;
  game.runtime.close(*game.runtime.find_form("Form1"));
  game.wait(5000);
  EXPECT_TRUE(game.runtime.ended());
  EXPECT_FALSE(game.loaded("Form2"));
}

TEST(Lifecycle, ARuntimeErrorShowsTheErrorMessageAndEndsWithAFailureStatus) {
  BoardGame game;
  game.change([&] { game.board().Text1.set_text("abc"); });
  game.key(kKeyRight);
  EXPECT_TRUE(game.runtime.ended());
  EXPECT_NE(game.runtime.exit_status(), 0);
  ASSERT_EQ(game.platform.messages().size(), 1u);
  EXPECT_EQ(game.platform.messages()[0], "実行時エラー '13':\n\n型が一致しません。");
  EXPECT_EQ(game.events.back(), "t=1500 end");
}

TEST(Lifecycle, AFreshBoardEachTimeTheBoardIsCreated) {
  BoardGame first;
  first.key(kKeyRight, 3);
  BoardGame second;
  EXPECT_EQ(second.board().Text1.text(), "0");
}

}  // namespace
}  // namespace totechita::testing

namespace totechita::testing {
namespace {

// A window repaints only when something it shows has changed.
TEST(ShownChanges, OnlyLabelsAndPicturesThatAreOrWereVisibleCount) {
  BoardGame game;
  Form2& board = game.board();
  game.wait(200);
  const auto shown = [&] { return board.shown_changed_at(); };
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
  game.change([&] { board.Label13.set_caption("100"); });
  EXPECT_GT(shown(), before);
}

}  // namespace
}  // namespace totechita::testing
