#include "desktop/picture_rendering.hpp"

#include <QPainter>

#include "desktop/game_font.hpp"

namespace totechita::desktop {

QImage render_picture(QSvgRenderer& renderer, QSize device_size) {
  game_font_family();  // the title's texts name the game's font first
  QImage image(device_size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), device_size));
  painter.end();
  return image;
}

}  // namespace totechita::desktop
