#include "desktop/game_font.hpp"

#include <QFontDatabase>
#include <QResource>
#include <cstdio>

namespace totechita::desktop {

QString register_font(const QString& resource) {
  // Stored uncompressed, the data is the program's own bytes, not a copy.
  const int id = QFontDatabase::addApplicationFontFromData(QResource(resource).uncompressedData());
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  return families.isEmpty() ? QString() : families.front();
}

const QString& game_font_family() {
  static const QString family = [] {
    QString registered = register_font(QString::fromLatin1(kGameFontResource));
    if (registered.isEmpty()) {
      std::fputs("totechita: the game's font is missing; text is drawn in the default font\n",
                 stderr);
    }
    return registered;
  }();
  return family;
}

}  // namespace totechita::desktop
