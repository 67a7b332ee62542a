#pragma once

#include <string>
#include <string_view>

// Numbers held as text: how a handler reads a caption or a text field as a number, and how it
// writes a number back. Every count, flag, score and position field goes through these.
namespace totechita {

// A decimal number with an optional leading minus ("-100", "4300", "0.5"), read into a double
// for arithmetic and comparisons. Anything else is a type mismatch, never a silent 0.
double to_number(std::string_view text);

// The same number, as the single that Left and Top hold.
float to_single(std::string_view text);

// A number converted for Left or Top: kept exactly as a single.
float to_position(double value);

// The shortest decimal text of a number: whole numbers as plain digits with a leading "-" when
// negative, no separator and no decimal point ("-100", "4300"); -0 reads as "0".
std::string to_text(double value);

// The whole part: the largest whole number not above the value.
double whole_part(double value);

}  // namespace totechita
