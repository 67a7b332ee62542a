#include "runtime/random_source.hpp"

#include <gtest/gtest.h>

#include <array>
#include <map>

#include "runtime/value_rules.hpp"

namespace totechita {
namespace {

// Fixed check values: any tool that replays a headless game must draw exactly these.
TEST(RandomSource, SeedZeroGivesTheCheckValues) {
  RandomSource random(0);
  EXPECT_EQ(random.next32(), 3894649422u);
  EXPECT_EQ(random.next32(), 2055130073u);
  EXPECT_EQ(random.next32(), 2315086854u);
}

TEST(RandomSource, TwoReseedsAtOneClockReadingGiveIndependentDraws) {
  RandomSource random(42);
  random.randomize(1500);
  const float first = random.rnd();
  random.randomize(1500);
  const float second = random.rnd();
  EXPECT_FLOAT_EQ(first, 0.5210157632827759f);
  EXPECT_FLOAT_EQ(second, 0.851616621017456f);
  EXPECT_EQ(grid_position(first), 3000.0);
  EXPECT_EQ(grid_position(second), 4000.0);
}

TEST(RandomSource, ReseedMixesRatherThanRestarts) {
  RandomSource a(7);
  RandomSource b(7);
  b.next32();  // a different state before the same clock reading
  a.randomize(2000);
  b.randomize(2000);
  EXPECT_NE(a.next32(), b.next32());
}

TEST(RandomSource, DrawsLieInZeroToOne) {
  RandomSource random(1);
  for (int i = 0; i < 100000; ++i) {
    const float r = random.rnd();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
  }
}

// The grid draw as the game makes it: reseed, draw x; reseed at the same clock reading, draw y.
TEST(RandomSource, GridCellsAreEvenlySpreadWithXAndYIndependent) {
  RandomSource random(3);
  std::map<std::pair<double, double>, int> cells;
  constexpr int kDraws = 64000;
  for (int i = 0; i < kDraws; ++i) {
    random.randomize(static_cast<std::uint64_t>(i / 8));
    const double x = grid_position(random.rnd());
    random.randomize(static_cast<std::uint64_t>(i / 8));
    const double y = grid_position(random.rnd());
    ++cells[{x, y}];
  }
  ASSERT_EQ(cells.size(), 16u);
  for (const auto& [cell, count] : cells) {
    EXPECT_GE(cell.first, 1000.0);
    EXPECT_LE(cell.second, 4000.0);
    EXPECT_NEAR(count, kDraws / 16, kDraws / 16 / 10) << cell.first << "," << cell.second;
  }
}

}  // namespace
}  // namespace totechita
