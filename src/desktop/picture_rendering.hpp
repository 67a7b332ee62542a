#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace totechita::desktop {

// The SVG picture at `svg_path` rendered to fill `device_size` pixels, or a null image when it
// cannot be read. Pictures are opaque: whatever the SVG leaves transparent shows white, as on the
// game's bitmaps. The game and the build-time pre-rendering both draw through here, so a
// pre-rendered picture is the one the game would draw. Qt's SVG image plugin reads the picture
// and loads QtSvg with it: the game renders no picture at the scales it has them pre-rendered
// for, so it neither links nor loads QtSvg there.
QImage render_picture(const QString& svg_path, QSize device_size);

}  // namespace totechita::desktop
