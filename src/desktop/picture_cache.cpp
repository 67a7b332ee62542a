#include "desktop/picture_cache.hpp"

#include <QResource>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "desktop/picture_rendering.hpp"

namespace totechita::desktop {

QString PictureCache::resource_path(const std::string& asset) {
  return QStringLiteral(":/assets/%1.svg").arg(QString::fromStdString(asset));
}

QImage PictureCache::prerendered(const std::string& asset, QSize device_size) {
  const QResource resource(QStringLiteral(":/pictures/%1-%2x%3.rgb32")
                               .arg(QString::fromStdString(asset))
                               .arg(device_size.width())
                               .arg(device_size.height()));
  if (!resource.isValid()) return {};
  // The image keeps the unpacked bytes rather than a copy of them: a megabyte copied costs
  // milliseconds of the title's first frame.
  auto pixels = std::make_unique<QByteArray>(resource.uncompressedData());
  const int width = device_size.width();
  if (pixels->size() != qsizetype{width} * device_size.height() * 4) return {};
  auto* bits = reinterpret_cast<uchar*>(pixels->data());
  return QImage(
      bits, width, device_size.height(), QImage::Format_RGB32,
      [](void* owned) { delete static_cast<QByteArray*>(owned); }, pixels.release());
}

QPixmap PictureCache::rendered(const std::string& asset, QSize device_size) {
  QImage image = prerendered(asset, device_size);
  if (image.isNull()) image = render_picture(resource_path(asset), device_size);
  if (image.isNull()) {
    std::fprintf(stderr, "totechita: picture %s cannot be drawn; showing a blank instead\n",
                 asset.c_str());
    image = QImage(device_size, QImage::Format_RGB32);
    image.fill(Qt::white);
  }
  return QPixmap::fromImage(std::move(image));
}

const QPixmap& PictureCache::picture(const std::string& asset, QSize size, qreal scale) {
  const QSize device_size(static_cast<int>(std::lround(size.width() * scale)),
                          static_cast<int>(std::lround(size.height() * scale)));
  auto [it, inserted] = m_pixmaps.try_emplace({asset, device_size.width(), device_size.height()});
  if (inserted) {
    it->second = rendered(asset, device_size);
    it->second.setDevicePixelRatio(scale);
  }
  return it->second;
}

void PictureCache::drop(const std::string& asset) {
  std::erase_if(m_pixmaps, [&](const auto& entry) { return std::get<0>(entry.first) == asset; });
}

bool PictureCache::holds(const std::string& asset) const {
  return std::any_of(m_pixmaps.begin(), m_pixmaps.end(),
                     [&](const auto& entry) { return std::get<0>(entry.first) == asset; });
}

}  // namespace totechita::desktop
