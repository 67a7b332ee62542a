#pragma once

#include <QFont>
#include <QString>

#include "runtime/controls.hpp"

namespace totechita::desktop {

// The size of the windows' default font: what the board's labels were laid out for.
inline constexpr double kDefaultPoints = 9;

// The family to draw Japanese text in: IPAPGothic when installed, else any family with Japanese
// glyphs (warning once on standard error when there is none at all).
QString japanese_family();

// The font a label is drawn in. A family that is not installed (the credits name the Windows
// face "ＭＳ Ｐゴシック") becomes the Japanese family. Sizes are converted at 96 dots per inch
// whatever the screen says, because the forms are laid out in pixels of that size.
QFont label_font(const LabelStyle& style);

}  // namespace totechita::desktop
