#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <map>
#include <string>
#include <tuple>

namespace totechita::desktop {

// The pictures compiled into the program (assets/NAME.svg), rendered once per size and scale.
// The big ones, and the icon, are also compiled in rendered at build time at the sizes the game
// shows them: :/pictures/NAME-WIDTHxHEIGHT.rgb32 holds the pixels of that size in device pixels,
// as QImage::Format_RGB32 keeps them, row after row. Those sizes need neither QtSvg nor an image
// decoder: the resource system unpacks them.
class PictureCache {
 public:
  static QString resource_path(const std::string& asset);
  // The picture rendered at build time at this size, or a null image when there is none.
  static QImage prerendered(const std::string& asset, QSize device_size);

  // The picture at `size` logical pixels, sharp at `scale` device pixels per logical pixel.
  const QPixmap& picture(const std::string& asset, QSize size, qreal scale);
  // Forgets an asset's pictures at every size.
  void drop(const std::string& asset);
  // Whether anything of an asset is kept.
  bool holds(const std::string& asset) const;

 private:
  static QPixmap rendered(const std::string& asset, QSize device_size);

  std::map<std::tuple<std::string, int, int>, QPixmap> m_pixmaps;  // by device size
};

}  // namespace totechita::desktop
