#pragma once

#include "runtime/value_rules.hpp"

namespace totechita {

// The grid draw shared by the ingredients and the enemies: the whole part of r × 4 + 1, times
// 1000. Done in double so that the largest single below 1 gives 4000, not an off-grid 5000.
inline double grid_position(float r) {
  return whole_part(static_cast<double>(r) * 4.0 + 1.0) * 1000.0;
}

}  // namespace totechita
