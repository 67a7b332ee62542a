#include "desktop/font_choice.hpp"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>
#include <iostream>

namespace totechita::desktop {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

// Fonts are not installed while the game runs: one look at the database will do.
bool installed(const QString& family) {
  static const QStringList families = QFontDatabase::families();
  return families.contains(family);
}

QString find_japanese_family() {
  const QString preferred = QStringLiteral("IPAPGothic");
  if (installed(preferred)) return preferred;
  const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
  if (!japanese.isEmpty()) return japanese.front();
  std::cerr << "totechita: no font with Japanese characters found; Japanese text will not show "
               "(install fonts-ipafont-gothic)\n";
  return preferred;
}

}  // namespace

QString japanese_family() {
  static const QString family = find_japanese_family();
  return family;
}

QFont label_font(const LabelStyle& style) {
  const QString requested = QString::fromStdString(style.font_family);
  QFont font(!requested.isEmpty() && installed(requested) ? requested : japanese_family());
  const double points = style.font_points > 0 ? style.font_points : kDefaultPoints;
  font.setPixelSize(static_cast<int>(std::lround(points * kPixelsPerPoint)));
  return font;
}

}  // namespace totechita::desktop
