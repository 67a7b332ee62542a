#include <gtest/gtest.h>

#include <algorithm>

#include "support/bombing.hpp"

namespace totechita::testing {
namespace {

constexpr const char* kFirstMessage = "ごろさんモード発動！！！！！";
constexpr const char* kSecondMessage = "ごろさん家出現！！";

class Finale : public ::testing::Test {
 protected:
  int shown(const std::string& message) const {
    return static_cast<int>(
        std::count(game.platform.messages().begin(), game.platform.messages().end(), message));
  }
  void stand_at(const char* x, const char* y) {
    game.change([&] {
      board.Text1.set_text(x);
      board.Text2.set_text(y);
    });
  }
  // Score above 6000 and both messages answered: the house tests run.
  void reach_the_house_tests() {
    game.set_score("6100");
    game.wait(2001);
    ASSERT_EQ(shown(kSecondMessage), 1);
  }

  BombingGame game;
  Form2& board = game.board();
};

TEST_F(Finale, ExactlyThreeThousandOrSixThousandStartsNothing) {
  game.set_score("3000");
  game.wait(5000);
  EXPECT_EQ(shown(kFirstMessage), 0);
  EXPECT_FALSE(board.Image14.visible());
  EXPECT_EQ(board.Timer21.interval(), 1000);
  game.set_score("3100");
  game.wait(1000);
  EXPECT_EQ(shown(kFirstMessage), 1);
  game.set_score("6000");
  game.wait(5000);
  EXPECT_EQ(shown(kSecondMessage), 0);
  EXPECT_FALSE(board.Image15.visible());
}

TEST_F(Finale, PastThreeThousandTheCharacterShowsWithOneMessage) {
  game.key(kKeyRight, 2);
  game.wait(100);
  game.key(kKeyDown);  // the character goes 700 above the sprite at (200, 0)
  game.set_score("3100");
  game.wait(1000);
  EXPECT_TRUE(board.Image14.visible());
  EXPECT_EQ(board.Image14.left(), 200);
  EXPECT_EQ(board.Image14.top(), -700);
  EXPECT_EQ(board.Timer21.interval(), 0);
  EXPECT_EQ(board.Timer22.interval(), 1000);
  game.wait(60000);
  EXPECT_EQ(shown(kFirstMessage), 1);
  EXPECT_EQ(game.platform.messages().size(), 1u);
}

TEST_F(Finale, AScoreAlreadyPastSixThousandShowsTheHouseOneSecondAfterTheFirstMessage) {
  game.set_score("7000");
  game.wait(1000);
  ASSERT_EQ(shown(kFirstMessage), 1);
  game.wait(999);
  EXPECT_FALSE(board.Image15.visible());
  game.wait(1);
  EXPECT_TRUE(board.Image15.visible());
  EXPECT_EQ(shown(kSecondMessage), 1);
  EXPECT_EQ(board.Timer23.interval(), 1);
  game.wait(60000);
  EXPECT_EQ(game.platform.messages(), (std::vector<std::string>{kFirstMessage, kSecondMessage}));
}

TEST_F(Finale, BeforeTheSecondMessageTheHousesPlaceIsNothing) {
  stand_at("2600", "3100");
  game.set_score("3100");
  game.wait(10000);
  EXPECT_TRUE(game.loaded("Form2"));
  EXPECT_EQ(board.Image1.left(), 2600);
  EXPECT_FALSE(game.loaded("Form3"));
}

TEST_F(Finale, OnTheHousesColumnTheTwoTestsTakeTurns) {
  reach_the_house_tests();
  stand_at("2600", "3000");
  game.wait(200);
  EXPECT_TRUE(game.loaded("Form2"));
  EXPECT_EQ(board.Timer23.interval() + board.Timer24.interval(), 1)
      << "exactly one of the two is armed";
  stand_at("2600", "3100");
  game.wait(99);
  EXPECT_TRUE(game.loaded("Form2")) << "the sprite has not moved there yet";
  game.wait(5);
  EXPECT_FALSE(game.loaded("Form2"));
  EXPECT_TRUE(game.loaded("Form3"));
  EXPECT_FALSE(game.runtime.ended()) << "unload then show in one handler";
}

TEST_F(Finale, NearTheHouseIsNotOnIt) {
  reach_the_house_tests();
  for (auto [x, y] :
       {std::pair{"2500", "3100"}, std::pair{"2700", "3100"}, std::pair{"2600", "3200"}}) {
    stand_at(x, y);
    game.wait(300);
    EXPECT_TRUE(game.loaded("Form2")) << x << "," << y;
  }
}

TEST_F(Finale, StandingOnTheHouseWhenItAppearsEndsTheGame) {
  stand_at("2600", "3100");
  game.set_score("6100");
  game.wait(2003);
  EXPECT_TRUE(game.loaded("Form3"));
  EXPECT_EQ(game.events.back(), "t=" + std::to_string(game.now() - 1) + " show Form3");
}

TEST_F(Finale, TheEndingScrollsTheCreditsAndEndsTheProgramAfterFifteenSeconds) {
  stand_at("2600", "3100");
  game.set_score("6100");
  game.wait(2003);
  ASSERT_TRUE(game.loaded("Form3"));
  const Millis opened = game.now() - 1;
  Form3& ending = game.ending();
  EXPECT_EQ(ending.Label1.top(), 3000);
  game.wait_until(opened + 100);
  EXPECT_EQ(ending.Label1.top(), 2900);
  game.key(kKeyEnter);
  game.runtime.click(ending.Label1);
  game.wait_until(opened + 3100);
  EXPECT_EQ(ending.Label1.top(), -100) << "below zero, without limit";
  game.wait_until(opened + 14999);
  EXPECT_FALSE(game.runtime.ended());
  EXPECT_EQ(ending.Label1.top(), 3000 - 149 * 100);
  game.wait(1);
  EXPECT_TRUE(game.runtime.ended());
  EXPECT_EQ(game.runtime.exit_status(), 0);
  EXPECT_EQ(game.events.back(), "t=" + std::to_string(opened + 15000) + " end");
}

TEST(EndingScreen, WindowAndControlsAsDesigned) {
  HeadlessGame game;
  Form3& ending = game.runtime.show<Form3>();
  EXPECT_EQ(ending.design().caption, "KORUMEDO トテチータ");
  EXPECT_EQ(ending.design().client_width, 7545);
  EXPECT_EQ(ending.design().client_height, 3120);
  EXPECT_EQ(ending.design().start, StartPosition::window_system_default);
  EXPECT_EQ(ending.design().back_color, (Rgb{0, 0, 0}));
  EXPECT_EQ(ending.Label1.style().font_points, 26.25);
  const std::string credits = ending.Label1.caption();
  EXPECT_NE(credits.find("2005/3/31"), std::string::npos);
  EXPECT_NE(credits.find("KORUMEDO"), std::string::npos);
}

}  // namespace
}  // namespace totechita::testing
