#pragma once

#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <map>
#include <string>

namespace totechita::desktop {

// An icon whose sizes were rendered at build time (PictureCache::prerendered), each unpacked
// when first asked for: a window system that shows one size never unpacks the others. A size in
// between is scaled down from the next larger one.
class PrerenderedIconEngine final : public QIconEngine {
 public:
  PrerenderedIconEngine(std::string asset, QList<QSize> sizes);

  QIconEngine* clone() const override { return new PrerenderedIconEngine(*this); }
  QString key() const override { return QStringLiteral("totechita-prerendered"); }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;

 private:
  const QPixmap& unpacked(QSize size);

  std::string m_asset;
  QList<QSize> m_sizes;               // ascending
  std::map<int, QPixmap> m_unpacked;  // by width
};

}  // namespace totechita::desktop
