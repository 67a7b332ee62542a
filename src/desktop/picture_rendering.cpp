#include "desktop/picture_rendering.hpp"

#include <QImageReader>
#include <QPainter>

#include "desktop/game_font.hpp"

namespace totechita::desktop {

QImage render_picture(const QString& svg_path, QSize device_size) {
  game_font_family();  // the title's texts name the game's font first
  QImageReader reader(svg_path, "svg");
  reader.setScaledSize(device_size);
  const QImage drawn = reader.read();
  if (drawn.isNull()) return {};
  QImage image(device_size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.drawImage(0, 0, drawn);
  painter.end();
  return image;
}

}  // namespace totechita::desktop
