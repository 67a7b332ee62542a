#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <future>
#include <map>
#include <string>
#include <tuple>

namespace totechita::desktop {

// The pictures compiled into the program (assets/NAME.svg), rendered once per size and scale.
// Each, and the icon, is also compiled in rendered at build time at the sizes the game shows it
// at scale 1 and 2: :/pictures/NAME-WIDTHxHEIGHT.rgb32 holds the pixels of that size in device
// pixels, as QImage::Format_RGB32 keeps them, row after row. Those sizes need neither QtSvg nor
// an image decoder: the resource system unpacks them.
class PictureCache {
 public:
  static QString resource_path(const std::string& asset);
  // The picture rendered at build time at this size, or a null image when there is none.
  static QImage prerendered(const std::string& asset, QSize device_size);

  // The picture at `size` logical pixels, sharp at `scale` device pixels per logical pixel.
  const QPixmap& picture(const std::string& asset, QSize size, qreal scale);
  // Starts unpacking a big picture rendered at build time on a thread of its own, for a window
  // about to be shown: its creation and mapping then hide the unpacking (a millisecond for the
  // title) instead of its first paint waiting for it. A small one is left to the paint.
  void unpack_ahead(const std::string& asset, QSize size, qreal scale);
  // Forgets an asset's pictures at every size.
  void drop(const std::string& asset);
  // Whether anything of an asset is kept.
  bool holds(const std::string& asset) const;

 private:
  using Key = std::tuple<std::string, int, int>;  // the asset and its device size

  QPixmap rendered(const std::string& asset, QSize device_size);

  std::map<Key, QPixmap> m_pixmaps;
  std::map<Key, std::future<QImage>> m_unpacking;
};

}  // namespace totechita::desktop
