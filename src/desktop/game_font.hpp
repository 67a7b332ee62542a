#pragma once

#include <QString>

namespace totechita::desktop {

// The face of all the game's text, compiled into the program as a resource: IPA P Gothic cut
// down to the characters the game shows (assets/CMakeLists.txt). Qt reads it where it lies in
// the program, so no system font file is mapped for the game's text.
inline constexpr auto kGameFontResource = ":/fonts/game.ttf";

// Registers the font in `resource` with Qt and returns its family, or an empty family (Qt's
// default) when there is no usable font there.
QString register_font(const QString& resource);

// The game's font, registered once, when first asked for: registering reads the machine's font
// configuration, which the title's first frame does not wait for. A program without it (a
// broken build) says so once and draws in Qt's default font.
const QString& game_font_family();

}  // namespace totechita::desktop
