#pragma once

#include <QRectF>
#include <cmath>

#include "runtime/control_state.hpp"
#include "runtime/layout_units.hpp"

namespace totechita::desktop {

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
