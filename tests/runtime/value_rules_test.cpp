#include "runtime/value_rules.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "runtime/runtime_error.hpp"

namespace totechita {
namespace {

// The runtime error a conversion stops on, or nothing.
template <class Conversion>
std::optional<int> error_of(Conversion conversion) {
  try {
    conversion();
  } catch (const RuntimeError& error) {
    return error.code();
  }
  return std::nullopt;
}

constexpr int kTypeMismatch = 13;
constexpr int kOverflow = 6;

TEST(ValueRules, ReadDecimalTextWithAnOptionalMinusAndNothingElse) {
  const std::pair<const char*, double> numbers[] = {
      {"0", 0},     {"4300", 4300}, {"-100", -100},   {"-5", -5},
      {"2.5", 2.5}, {"007", 7},     {"3000.0", 3000},
  };
  for (auto [text, value] : numbers)
    EXPECT_EQ(to_number(text), value) << text;
  for (const char* text :
       {"", "-", ".", "Text15", "1e3", " 1", "1 ", "+1", "1.2.3", "inf", "nan", "０", "1,000"}) {
    EXPECT_EQ(error_of([&] { to_number(text); }), kTypeMismatch) << '"' << text << '"';
  }
  EXPECT_EQ(error_of([] { to_number("1" + std::string(400, '0')); }), kOverflow);
}

TEST(ValueRules, WriteTheShortestDecimalText) {
  const std::pair<double, const char*> texts[] = {
      {-100, "-100"}, {4300, "4300"}, {0, "0"}, {-0.0, "0"}, {1e15, "1000000000000000"},
      {0.5, "0.5"},   {0.1, "0.1"},
  };
  for (auto [value, text] : texts)
    EXPECT_EQ(to_text(value), text) << value;
  EXPECT_EQ(to_number(to_text(to_number("0") - 100)), -100.0);
  EXPECT_EQ(error_of([] { to_text(INFINITY); }), kOverflow);
}

TEST(ValueRules, PositionsAreSinglesKeptExactly) {
  EXPECT_EQ(to_single("2600"), 2600.0f);
  EXPECT_EQ(to_single("-700"), -700.0f);
  EXPECT_EQ(to_position(4500.0 - 100), 4400.0f);
  EXPECT_EQ(error_of([] { to_position(1e39); }), kOverflow);
  EXPECT_EQ(error_of([] { to_single("1" + std::string(40, '0')); }), kOverflow);
}

TEST(ValueRules, WholePartRoundsDown) {
  EXPECT_EQ(whole_part(4.999), 4.0);
  EXPECT_EQ(whole_part(-0.5), -1.0);
  EXPECT_EQ(whole_part(3.0), 3.0);
}

}  // namespace
}  // namespace totechita
