#include "runtime/value_rules.hpp"

#include <charconv>
#include <cmath>
#include <limits>

#include "runtime/runtime_error.hpp"

namespace totechita {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Digits with at most one decimal point and at least one digit; from_chars alone would also
// take "inf", "nan" and exponents, which no caption of the game ever holds.
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

}  // namespace

double to_number(std::string_view text) {
  if (!is_plain_decimal(text)) throw type_mismatch();
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) throw overflow();
  return value;
}

float to_single(std::string_view text) { return to_position(to_number(text)); }

float to_position(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    throw overflow();
  }
  return static_cast<float>(value);
}

std::string to_text(double value) {
  if (!std::isfinite(value)) throw overflow();
  if (value == 0) return "0";
  char buffer[400];
  auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (error != std::errc()) throw overflow();
  return std::string(buffer, end);
}

double whole_part(double value) { return std::floor(value); }

}  // namespace totechita
