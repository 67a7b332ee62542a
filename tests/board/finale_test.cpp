#include <gtest/gtest.h>

#include <algorithm>

#include "support/headless_game.hpp"

namespace totechita::testing {
namespace {

constexpr const char* kFirstMessage = "ごろさんモード発動！！！！！";
constexpr const char* kSecondMessage = "ごろさん家出現！！";
using Messages = std::vector<std::string>;

// Past 3000 the character and the first message come at Timer21's next tick; past 6000 the house
// and the second message come one second after the first, each once however long play goes on.
TEST(Finale, TheThresholdsAreStrictAndEachMessageShowsOnce) {
  struct Case {
    const char* score;
    Messages messages;
  };
  const Case cases[] = {
      {.score = "3000", .messages = {}},
      {.score = "3100", .messages = {kFirstMessage}},
      {.score = "6000", .messages = {kFirstMessage}},
      {.score = "6100", .messages = {kFirstMessage, kSecondMessage}},
  };
  for (const Case& c : cases) {
    BoardGame game;
    game.set_score(c.score);
    game.wait(60000);
    EXPECT_EQ(game.messages(), c.messages) << c.score;
    EXPECT_EQ(game.board().Image14.visible(), !c.messages.empty()) << c.score;
    EXPECT_EQ(game.board().Image15.visible(), c.messages.size() == 2) << c.score;
  }
}

TEST(Finale, TheCharacterShowsWhereTheLastKeyPutItAndTheHouseASecondLater) {
  BoardGame game;
  Form2& board = game.board();
  game.key(kKeyRight, 2);
  game.wait(100);
  game.key(kKeyDown);  // the character goes 700 above the sprite at (200, 0)
  game.set_score("7000");
  game.wait_until(2500);  // Timer21's next tick
  EXPECT_EQ(game.messages(), Messages{kFirstMessage});
  EXPECT_TRUE(board.Image14.visible());
  EXPECT_EQ(board.Image14.left(), 200);
  EXPECT_EQ(board.Image14.top(), -700);
  EXPECT_EQ(board.Timer21.interval(), 0);
  game.wait(999);
  EXPECT_FALSE(board.Image15.visible());
  game.wait(1);
  EXPECT_TRUE(board.Image15.visible());
  EXPECT_EQ(game.messages(), (Messages{kFirstMessage, kSecondMessage}));
  EXPECT_EQ(board.Timer23.interval(), 1);
}

// Timer23 looks at the sprite's Left, Timer24 at its Top; they take turns until both match.
TEST(Finale, OnlyTheSpriteStandingExactlyOnTheHouseEndsTheGame) {
  BoardGame game;
  Form2& board = game.board();
  game.stand_at("2600", "3100");
  game.set_score("3100");
  game.wait(10000);
  EXPECT_TRUE(game.loaded("Form2")) << "before the house appears its place is nothing";
  game.set_score("6100");
  game.stand_at("0", "0");
  game.wait(1001);
  ASSERT_EQ(game.messages().size(), 2u);
  for (auto [x, y] :
       {std::pair{"2500", "3100"}, std::pair{"2700", "3100"}, std::pair{"2600", "3200"}}) {
    game.stand_at(x, y);
    game.wait(300);
    EXPECT_TRUE(game.loaded("Form2")) << x << "," << y;
    EXPECT_EQ(board.Timer23.interval() + board.Timer24.interval(), 1)
        << "exactly one of the two is armed";
  }
  game.stand_at("2600", "3100");
  game.wait(99);
  EXPECT_TRUE(game.loaded("Form2")) << "the sprite moves there at Timer1's next tick";
  game.wait(5);
  EXPECT_FALSE(game.loaded("Form2"));
  EXPECT_TRUE(game.loaded("Form3"));
  EXPECT_FALSE(game.runtime.ended()) << "unload then show in one handler";
}

TEST(Finale, StandingOnTheHouseWhenItAppearsOpensTheEndingWhichEndsTheProgram15sLater) {
  BoardGame game;
  game.stand_at("2600", "3100");
  game.set_score("6100");
  game.wait(2003);
  ASSERT_TRUE(game.loaded("Form3"));
  const Millis opened = game.now() - 1;
  EXPECT_EQ(game.events().back(), "t=" + std::to_string(opened) + " show Form3");
  Form3& ending = game.ending();
  EXPECT_EQ(ending.Label1.top(), 3000);
  game.wait_until(opened + 100);
  EXPECT_EQ(ending.Label1.top(), 2900);
  game.key(kKeyEnter);
  game.runtime.deliver(Click{.form = "Form3", .control = "Label1"});
  game.wait_until(opened + 3100);
  EXPECT_EQ(ending.Label1.top(), -100) << "below zero, without limit";
  game.wait_until(opened + 14999);
  EXPECT_FALSE(game.runtime.ended());
  EXPECT_EQ(ending.Label1.top(), 3000 - 149 * 100);
  game.wait(1);
  EXPECT_EQ(game.runtime.exit_status(), 0);
  EXPECT_EQ(game.events().back(), "t=" + std::to_string(opened + 15000) + " end");
}

}  // namespace
}  // namespace totechita::testing
