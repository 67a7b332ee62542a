#include "desktop/prerendered_icon_engine.hpp"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "desktop/picture_cache.hpp"

namespace totechita::desktop {

PrerenderedIconEngine::PrerenderedIconEngine(std::string asset, QList<QSize> sizes)
    : m_asset(std::move(asset)), m_sizes(std::move(sizes)) {
  std::sort(m_sizes.begin(), m_sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
}

QList<QSize> PrerenderedIconEngine::availableSizes(QIcon::Mode, QIcon::State) { return m_sizes; }

QPixmap PrerenderedIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State) {
  if (m_sizes.isEmpty() || size.isEmpty()) return {};
  const auto larger = std::find_if(m_sizes.begin(), m_sizes.end(), [&](QSize available) {
    return available.width() >= size.width() && available.height() >= size.height();
  });
  const QPixmap source = QPixmap::fromImage(
      PictureCache::prerendered(m_asset, larger != m_sizes.end() ? *larger : m_sizes.back()));
  if (source.size() == size || source.isNull()) return source;
  return source.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void PrerenderedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                                  QIcon::State state) {
  const qreal scale = painter->device()->devicePixelRatioF();
  painter->drawPixmap(rect, pixmap(rect.size() * scale, mode, state));
}

}  // namespace totechita::desktop
