#include "runtime/value_rules.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "runtime/runtime_error.hpp"

namespace totechita {
namespace {

TEST(ValueRules, ReadsDecimalTextWithOptionalMinus) {
  EXPECT_EQ(to_number("0"), 0.0);
  EXPECT_EQ(to_number("4300"), 4300.0);
  EXPECT_EQ(to_number("-100"), -100.0);
  EXPECT_EQ(to_number("2.5"), 2.5);
  EXPECT_EQ(to_number("007"), 7.0);
}

TEST(ValueRules, TextThatIsNotANumberIsATypeMismatchNotZero) {
  for (const char* text :
       {"", "-", ".", "Text15", "1e3", " 1", "1 ", "+1", "1.2.3", "inf", "nan", "０", "1,000"}) {
    try {
      to_number(text);
      ADD_FAILURE() << "\"" << text << "\" was read as a number";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.code(), 13) << text;
    }
  }
}

TEST(ValueRules, WritesWholeNumbersAsPlainDigits) {
  EXPECT_EQ(to_text(-100), "-100");
  EXPECT_EQ(to_text(4300), "4300");
  EXPECT_EQ(to_text(0), "0");
  EXPECT_EQ(to_text(-0.0), "0");
  EXPECT_EQ(to_text(1e15), "1000000000000000");
  EXPECT_EQ(to_text(0.5), "0.5");
  EXPECT_EQ(to_text(0.1), "0.1");
}

TEST(ValueRules, MinusOneHundredRoundTrips) {
  EXPECT_EQ(to_number(to_text(to_number("0") - 100)), -100.0);
}

TEST(ValueRules, TextAgainstTextIsCharacterForCharacter) {
  // Equal numbers need not be equal texts; the game never writes a decimal point, so this
  // never arises in play.
  EXPECT_NE(std::string("3000"), std::string("3000.0"));
  EXPECT_EQ(to_number("3000"), to_number("3000.0"));
  EXPECT_GT(to_number("3100"), 3000);
  EXPECT_NE(std::string("3100"), std::string("3000"));
}

TEST(ValueRules, PositionsAreSinglesKeptExactly) {
  EXPECT_EQ(to_single("2600"), 2600.0f);
  EXPECT_EQ(to_single("-700"), -700.0f);
  EXPECT_EQ(to_position(4500.0 - 100), 4400.0f);
  EXPECT_THROW(to_position(1e39), RuntimeError);
}

TEST(ValueRules, NumbersTooLargeForTextOrPositionOverflow) {
  EXPECT_THROW(to_text(INFINITY), RuntimeError);
  EXPECT_THROW(to_single("1" + std::string(40, '0')), RuntimeError);
}

TEST(ValueRules, WholePartRoundsDown) {
  EXPECT_EQ(whole_part(4.999), 4.0);
  EXPECT_EQ(whole_part(-0.5), -1.0);
  EXPECT_EQ(whole_part(3.0), 3.0);
}

TEST(GridDraw, GivesTheFourGridValues) {
  EXPECT_EQ(grid_position(0.0f), 1000.0);
  EXPECT_EQ(grid_position(0.2499999f), 1000.0);
  EXPECT_EQ(grid_position(0.25f), 2000.0);
  EXPECT_EQ(grid_position(0.5f), 3000.0);
  EXPECT_EQ(grid_position(0.75f), 4000.0);
}

// In single precision, r × 4 + 1 rounds up to exactly 5 for the largest single below 1, which
// would put a sprite at 5000, off the grid.
TEST(GridDraw, LargestSingleBelowOneStaysOnTheGrid) {
  const float largest = std::nextafter(1.0f, 0.0f);
  ASSERT_EQ(largest, 1.0f - 1.0f / 16777216.0f);
  const float in_single = largest * 4.0f + 1.0f;
  EXPECT_EQ(std::floor(in_single), 5.0f) << "the trap the grid draw avoids";
  EXPECT_EQ(grid_position(largest), 4000.0);
}

}  // namespace
}  // namespace totechita
