#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QSvgRenderer>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace totechita::desktop {

// The pictures compiled into the program (assets/NAME.svg), rendered once per size and scale.
// Pictures are opaque: whatever an SVG leaves transparent shows white, as on the game's bitmaps.
class PictureCache {
 public:
  static QString resource_path(const std::string& asset);

  // The picture at `size` logical pixels, sharp at `scale` device pixels per logical pixel.
  const QPixmap& picture(const std::string& asset, QSize size, qreal scale);

 private:
  QSvgRenderer& renderer(const std::string& asset);

  std::map<std::string, std::unique_ptr<QSvgRenderer>> m_renderers;
  std::map<std::tuple<std::string, int, int>, QPixmap> m_pixmaps;  // by device size
};

}  // namespace totechita::desktop
