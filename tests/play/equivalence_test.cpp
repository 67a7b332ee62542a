#include <gtest/gtest.h>

#include "script/state_dump.hpp"
#include "support/random_play.hpp"

namespace totechita::testing {
namespace {

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
      ASSERT_EQ(skipping.events, every_tick.events) << "seed " << seed << " step " << step;
    }
    EXPECT_EQ(skipping.messages(), every_tick.messages());
  }
}

}  // namespace
}  // namespace totechita::testing
