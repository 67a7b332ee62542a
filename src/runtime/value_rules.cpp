#include "runtime/value_rules.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "runtime/runtime_error.hpp"

namespace totechita {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Digits with at most one decimal point and at least one digit; strtod alone would also take
// "inf", "nan", hexadecimal and exponents, which no caption of the game ever holds.
bool is_plain_decimal(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  bool digit = false;
  bool point = false;
  for (char c : text) {
    if (is_digit(c)) {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

// A number as a sign, significant digits d1 d2 ... dn and the decimal exponent of d1.
struct ScientificDigits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// The value correctly rounded to `count` significant digits. Only the digits, the sign and the
// exponent are taken from printf's text, never the locale's decimal separator.
ScientificDigits scientific(double value, int count) {
  char text[40];
  std::snprintf(text, sizeof text, "%.*e", count - 1, value);
  ScientificDigits number;
  number.negative = text[0] == '-';
  const char* c = text;
  for (; *c != 'e'; ++c) {
    if (is_digit(*c)) number.digits += *c;
  }
  number.exponent = std::atoi(c + 1);
  return number;
}

double read_back(const ScientificDigits& number) {
  const int exponent = number.exponent - static_cast<int>(number.digits.size()) + 1;
  const std::string text =
      (number.negative ? "-" : "") + number.digits + "e" + std::to_string(exponent);
  return std::strtod(text.c_str(), nullptr);
}

// The fewest significant digits that read back as the value (17 always do); each try is
// correctly rounded, so of the shortest it is the nearest.
ScientificDigits shortest_digits(double value) {
  for (int count = 1; count < 17; ++count) {
    ScientificDigits number = scientific(value, count);
    if (read_back(number) == value) return number;
  }
  return scientific(value, 17);
}

// A number that is not whole, without exponent: it has digits after the point.
std::string fixed_notation(const ScientificDigits& number) {
  std::string text = number.negative ? "-" : "";
  if (number.exponent < 0) {
    return text + "0." + std::string(static_cast<std::size_t>(-number.exponent - 1), '0') +
           number.digits;
  }
  const auto whole_digits = static_cast<std::size_t>(number.exponent + 1);
  return text + number.digits.substr(0, whole_digits) + "." + number.digits.substr(whole_digits);
}

}  // namespace

// The number is handed to strtod as digits and a decimal exponent ("12345e-2" for "123.45"), with
// no decimal point, so the locale's decimal separator cannot change what is read. strtod rounds
// correctly on every C library we build with. A number too large, or so small that it would
// read as 0, overflows.
double to_number(std::string_view text) {
  if (!is_plain_decimal(text)) throw type_mismatch();
  std::string digits;
  digits.reserve(text.size() + 24);
  long long fraction_digits = 0;
  bool after_point = false;
  bool nonzero = false;
  for (char c : text) {
    if (c == '.') {
      after_point = true;
      continue;
    }
    digits += c;
    if (after_point) ++fraction_digits;
    nonzero = nonzero || (c >= '1' && c <= '9');
  }
  digits += "e-" + std::to_string(fraction_digits);
  const double value = std::strtod(digits.c_str(), nullptr);
  if (std::isinf(value) || (value == 0 && nonzero)) throw overflow();
  return value;
}

float to_single(std::string_view text) { return to_position(to_number(text)); }

float to_position(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    throw overflow();
  }
  return static_cast<float>(value);
}

// A whole number is written with its exact digits: below 2^53 no shorter digits read back, and
// above it the exact ones are as short as any that do and the nearest, as std::to_chars writes
// them in fixed notation. Other numbers get the shortest digits that read back, without exponent.
std::string to_text(double value) {
  if (!std::isfinite(value)) throw overflow();
  if (value == 0) return "0";
  if (value == std::floor(value)) {
    char text[400];
    const int length = std::snprintf(text, sizeof text, "%.0f", value);
    return std::string(text, static_cast<std::size_t>(length));
  }
  return fixed_notation(shortest_digits(value));
}

double whole_part(double value) { return std::floor(value); }

}  // namespace totechita
