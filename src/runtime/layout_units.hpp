#pragma once

namespace totechita {

// Forms are laid out in twips, 15 to a pixel of a 96 dpi screen (a logical pixel), and their
// labels for the windows' default font size: what every front end draws them with.
inline constexpr double kTwipsPerPixel = 15;
inline constexpr double kDefaultFontPoints = 9;

}  // namespace totechita
