#pragma once

#include <QRectF>
#include <cmath>

#include "runtime/control_state.hpp"

namespace totechita::desktop {

// Forms are laid out in twips, 15 to a logical pixel.
inline constexpr double kTwipsPerPixel = 15;

inline int to_pixels(Twips twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// A control's rectangle in logical pixels, its edges snapped to whole device pixels so that
// sprites stay sharp at any scale factor.
inline QRectF to_pixel_rect(Twips left, Twips top, Twips width, Twips height, qreal scale) {
  auto snap = [scale](Twips twips) { return std::round(twips / kTwipsPerPixel * scale) / scale; };
  const qreal x = snap(left);
  const qreal y = snap(top);
  return {x, y, snap(left + width) - x, snap(top + height) - y};
}

}  // namespace totechita::desktop
