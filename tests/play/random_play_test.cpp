#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>

#include "script/state_dump.hpp"
#include "support/random_play.hpp"

namespace totechita::testing {
namespace {

// Virtual hours of random play; TOTECHITA_SOAK_HOURS asks for a longer run.
double soak_hours() {
  const char* hours = std::getenv("TOTECHITA_SOAK_HOURS");
  return hours != nullptr ? std::atof(hours) : 6.0;
}

bool whole_number_text(const std::string& text) {
  static const std::regex kWhole("0|[1-9][0-9]*");
  return std::regex_match(text, kWhole);
}

// What must hold after every step of any game, whatever the player does.
class InvariantChecker {
 public:
  void check(HeadlessGame& game, const std::string& action) {
    SCOPED_TRACE("after " + action + " at t=" + std::to_string(game.now()));
    ASSERT_EQ(game.runtime.exit_status(), 0) << "no runtime error";
    const std::vector<std::string>& messages = game.messages();
    const std::vector<std::string> finale{"ごろさんモード発動！！！！！", "ごろさん家出現！！"};
    ASSERT_LE(messages.size(), finale.size());
    ASSERT_TRUE(std::equal(messages.begin(), messages.end(), finale.begin()))
        << "each finale message once, in order";
    if (game.loaded("Form3")) {
      ASSERT_FALSE(game.loaded("Form2"));
      ASSERT_EQ(messages.size(), 2u) << "the ending comes only after both messages";
    }
    if (!game.loaded("Form2")) return;
    Form2& board = game.board();
    for (const Label* count : {&board.Label1, &board.Label2, &board.Label3, &board.Label9}) {
      ASSERT_TRUE(whole_number_text(count->caption())) << count->name() << "=" << count->caption();
    }
    const bool bomb_in_play = board.Timer10.interval() != 0 || board.Timer11.interval() != 0 ||
                              board.Timer13.interval() != 0;
    ASSERT_EQ(board.Label11.caption(), bomb_in_play ? "0" : "1");
    const bool burst_on_board = board.Image13.visible() && board.Image13.left() != 3840;
    ASSERT_FALSE(board.Image5.visible() && burst_on_board) << "at most one bomb in play";

    const std::string& score = board.Label13.caption();
    ASSERT_TRUE(whole_number_text(score)) << score;
    const double points = to_number(score);
    ASSERT_EQ(static_cast<long long>(points) % 100, 0) << score;
    ASSERT_GE(points, m_last_score) << "the score never falls";
    m_last_score = points;

    check_ingredient(board.Text3, board.Text4, board.Text5, "4300", "3600");
    check_ingredient(board.Text6, board.Text8, board.Text9, "1000", "2600");
    check_ingredient(board.Text11, board.Text12, board.Text13, "3000", "800");
    check_enemy(board.Image7, 4440);
    check_enemy(board.Image9, 6480);

    const float plane = board.Image11.left();
    ASSERT_EQ(board.Image11.top(), 2000);
    ASSERT_TRUE(plane == 4500 ||
                (plane >= 0 && plane <= 4400 && static_cast<int>(plane) % 100 == 0))
        << plane;
  }

 private:
  // A placed ingredient stands at its start until first picked up, then only on the grid.
  static void check_ingredient(const TextBox& x, const TextBox& y, const TextBox& placed,
                               const char* start_x, const char* start_y) {
    ASSERT_TRUE(placed.text() == "0" || placed.text() == "1") << placed.text();
    if (x.text() == start_x && y.text() == start_y) return;
    ASSERT_TRUE(on_grid(static_cast<float>(to_number(x.text()))) &&
                on_grid(static_cast<float>(to_number(y.text()))))
        << x.text() << "," << y.text();
  }
  static void check_enemy(const Picture& enemy, float parked_left) {
    if (enemy.left() == parked_left && enemy.top() == 6240) return;
    ASSERT_TRUE(on_grid(enemy.left()) && on_grid(enemy.top()))
        << enemy.name() << " at " << enemy.left() << "," << enemy.top();
  }

  double m_last_score = 0;
};

TEST(Soak, RandomPlayKeepsEveryInvariant) {
  const Millis target = static_cast<Millis>(soak_hours() * 3600 * 1000);
  constexpr Millis kLongestGame = 2 * 3600 * 1000;
  Millis played = 0;
  long long steps = 0;
  int games = 0;
  int finales = 0;
  for (std::uint64_t seed = 1; played < target; ++seed) {
    HeadlessGame game(seed);
    RandomPlayer player(seed * 104729);
    InvariantChecker checker;
    ++games;
    while (!game.runtime.ended() && game.now() < kLongestGame) {
      const std::string action = player.step(game);
      ++steps;
      checker.check(game, action);
      if (::testing::Test::HasFatalFailure()) return;
    }
    if (game.loaded("Form3")) ++finales;
    played += game.now();
  }
  RecordProperty("virtual_hours", std::to_string(static_cast<double>(played) / 3.6e6));
  RecordProperty("steps", std::to_string(steps));
  std::printf("soak: %.2f virtual hours, %lld steps, %d games, %d reached the ending\n",
              static_cast<double>(played) / 3.6e6, steps, games, finales);
  EXPECT_GT(finales, 0) << "the finale's invariants went unchecked";
}

std::string state_of(HeadlessGame& game) {
  std::string state = "t=" + std::to_string(game.now()) + "\n";
  for (const auto& form : game.runtime.forms())
    state += dump_form(*form) + "\n";
  return state;
}

// Passing over quiet ticks must not change a single observable: the same seeded play, with
// skipping on and off, gives the same state of every form after every step and the same events.
TEST(QuietTickSkipping, ChangesNothingAGameDoes) {
  for (std::uint64_t seed : {1u, 2u, 3u, 4u}) {
    HeadlessGame skipping(seed, QuietTicks::skip);
    HeadlessGame every_tick(seed, QuietTicks::serve);
    RandomPlayer player_a(seed * 7919);
    RandomPlayer player_b(seed * 7919);
    for (int step = 0; step < 1500 && !skipping.runtime.ended(); ++step) {
      const std::string action = player_a.step(skipping);
      ASSERT_EQ(action, player_b.step(every_tick)) << "seed " << seed << " step " << step;
      ASSERT_EQ(state_of(skipping), state_of(every_tick))
          << "seed " << seed << " step " << step << " after " << action;
      ASSERT_EQ(skipping.transcript(), every_tick.transcript())
          << "seed " << seed << " step " << step;
    }
    EXPECT_EQ(skipping.messages(), every_tick.messages());
  }
}

}  // namespace
}  // namespace totechita::testing
