#pragma once

#include <QImage>
#include <QSize>
#include <QSvgRenderer>

namespace totechita::desktop {

// A picture rendered to fill `device_size` pixels. Pictures are opaque: whatever the SVG leaves
// transparent shows white, as on the game's bitmaps. The game and the build-time pre-rendering
// both draw through here, so a pre-rendered picture is the one the game would draw.
QImage render_picture(QSvgRenderer& renderer, QSize device_size);

}  // namespace totechita::desktop
