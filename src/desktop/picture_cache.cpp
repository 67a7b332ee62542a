#include "desktop/picture_cache.hpp"

#include <QResource>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "desktop/picture_rendering.hpp"

namespace totechita::desktop {

namespace {

// Below this many device pixels a thread costs about what it saves.
constexpr int kUnpackAheadPixels = 100'000;

QSize device_size(QSize size, qreal scale) {
  return {static_cast<int>(std::lround(size.width() * scale)),
          static_cast<int>(std::lround(size.height() * scale))};
}

}  // namespace

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
  QImage image;
  if (auto ahead = m_unpacking.extract({asset, device_size.width(), device_size.height()})) {
    image = ahead.mapped().get();
  }
  if (image.isNull()) image = prerendered(asset, device_size);
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
  const QSize device = device_size(size, scale);
  auto [it, inserted] = m_pixmaps.try_emplace({asset, device.width(), device.height()});
  if (inserted) {
    it->second = rendered(asset, device);
    it->second.setDevicePixelRatio(scale);
  }
  return it->second;
}

void PictureCache::unpack_ahead(const std::string& asset, QSize size, qreal scale) {
  const QSize device = device_size(size, scale);
  const Key key{asset, device.width(), device.height()};
  if (device.width() * device.height() < kUnpackAheadPixels || m_pixmaps.contains(key) ||
      m_unpacking.contains(key)) {
    return;
  }
  m_unpacking.emplace(
      key, std::async(std::launch::async, [asset, device] { return prerendered(asset, device); }));
}

void PictureCache::drop(const std::string& asset) {
  const auto of_asset = [&](const auto& entry) { return std::get<0>(entry.first) == asset; };
  std::erase_if(m_pixmaps, of_asset);
  std::erase_if(m_unpacking, of_asset);
}

bool PictureCache::holds(const std::string& asset) const {
  const auto of_asset = [&](const auto& entry) { return std::get<0>(entry.first) == asset; };
  return std::any_of(m_pixmaps.begin(), m_pixmaps.end(), of_asset) ||
         std::any_of(m_unpacking.begin(), m_unpacking.end(), of_asset);
}

}  // namespace totechita::desktop
