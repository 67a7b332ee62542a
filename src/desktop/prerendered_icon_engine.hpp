#pragma once

#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <string>

namespace totechita::desktop {

// An icon whose sizes were rendered at build time (PictureCache::prerendered), each unpacked
// when asked for and not kept: a window system that shows one size never unpacks the others, and
// X11 takes every size once, when a window is made, where keeping them would hold 350 kB for as
// long as the game runs. A size in between is scaled down from the next larger one.
class PrerenderedIconEngine final : public QIconEngine {
 public:
  PrerenderedIconEngine(std::string asset, QList<QSize> sizes);

  QIconEngine* clone() const override { return new PrerenderedIconEngine(*this); }
  QString key() const override { return QStringLiteral("totechita-prerendered"); }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;

 private:
  std::string m_asset;
  QList<QSize> m_sizes;  // ascending
};

}  // namespace totechita::desktop
