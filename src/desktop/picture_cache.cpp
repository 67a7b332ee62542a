#include "desktop/picture_cache.hpp"

#include <QPainter>
#include <cmath>
#include <iostream>

namespace totechita::desktop {

QString PictureCache::resource_path(const std::string& asset) {
  return QStringLiteral(":/assets/%1.svg").arg(QString::fromStdString(asset));
}

QSvgRenderer& PictureCache::renderer(const std::string& asset) {
  auto [it, inserted] = m_renderers.try_emplace(asset);
  if (inserted) {
    it->second = std::make_unique<QSvgRenderer>(resource_path(asset));
    if (!it->second->isValid()) {
      std::cerr << "totechita: picture " << asset << " is missing; showing a blank instead\n";
    }
  }
  return *it->second;
}

const QPixmap& PictureCache::picture(const std::string& asset, QSize size, qreal scale) {
  const QSize device_size(static_cast<int>(std::lround(size.width() * scale)),
                          static_cast<int>(std::lround(size.height() * scale)));
  auto [it, inserted] = m_pixmaps.try_emplace({asset, device_size.width(), device_size.height()});
  if (inserted) {
    QPixmap pixmap(device_size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    renderer(asset).render(&painter, QRectF(QPointF(0, 0), device_size));
    painter.end();
    pixmap.setDevicePixelRatio(scale);
    it->second = std::move(pixmap);
  }
  return it->second;
}

}  // namespace totechita::desktop
