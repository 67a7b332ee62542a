// Numbers to text and back, the same on every build: the desktop's C++ library and the web
// build's, which has no floating-point std::to_chars / std::from_chars.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <version>

#include "runtime/runtime_error.hpp"
#include "runtime/value_rules.hpp"

#if defined(__cpp_lib_to_chars)
#include <charconv>
#endif

namespace totechita {
namespace {

TEST(NumberText, ShortestDigitsInFixedNotation) {
  const std::pair<double, std::string> table[] = {
      {0.30000000000000004, "0.30000000000000004"},
      {-2.5e-7, "-0.00000025"},
      {123.456, "123.456"},
      {4503599627370495.5, "4503599627370495.5"},
      {1e23, "99999999999999991611392"},  // the double nearest 1e23, digit for digit
      {-0x1p60, "-1152921504606846976"},
      {5e-324, "0." + std::string(323, '0') + "5"},
  };
  for (const auto& [value, text] : table) {
    EXPECT_EQ(to_text(value), text);
    EXPECT_EQ(to_number(text), value) << text;
  }
}

TEST(NumberText, ReadsLongTextsExactlyAndOverflowsOutsideTheDoubles) {
  EXPECT_EQ(to_number("0.1000000000000000055511151231257827021181583404541015625"), 0.1);
  EXPECT_EQ(to_number("1" + std::string(308, '0')), 1e308);
  EXPECT_EQ(to_number("0." + std::string(322, '0') + "1"), 1e-323);  // a subnormal
  EXPECT_EQ(to_number("-0.000"), 0.0);
  EXPECT_THROW(to_number("1" + std::string(309, '0')), RuntimeError);
  EXPECT_THROW(to_number("0." + std::string(400, '0') + "1"), RuntimeError);  // would read as 0
}

#if defined(__cpp_lib_to_chars)
// Where the C++ library has them, the value rules agree with std::to_chars and std::from_chars
// on doubles of every magnitude.
TEST(NumberText, AgreesWithTheStandardLibraryWhereItHasFloatingPointCharconv) {
  std::mt19937_64 bits(12);
  for (int i = 0; i < 50000; ++i) {
    const std::uint64_t pattern = bits();
    double value = 0;
    std::memcpy(&value, &pattern, sizeof value);
    if (!std::isfinite(value) || value == 0) continue;
    char expected[400];
    const auto written =
        std::to_chars(expected, expected + sizeof expected, value, std::chars_format::fixed);
    const std::string text = to_text(value);
    ASSERT_EQ(text, std::string(expected, written.ptr)) << value;
    ASSERT_EQ(to_number(text), value) << text;
  }
}
#endif

}  // namespace
}  // namespace totechita
