#include "desktop/font_choice.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <cmath>
#include <iostream>

namespace totechita::desktop {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

QString choose_japanese_family(const FontFamilies& families, std::ostream& warnings) {
  const QString preferred = QStringLiteral("IPAPGothic");
  if (families.installed.contains(preferred)) return preferred;
  if (!families.japanese.isEmpty()) return families.japanese.front();
  warnings << "totechita: no font with Japanese characters found; Japanese text will not show "
              "(install fonts-ipafont-gothic)\n";
  return preferred;
}

}  // namespace

FontFamilies FontFamilies::of_this_machine() {
  return {.installed = QFontDatabase::families(),
          .japanese = QFontDatabase::families(QFontDatabase::Japanese)};
}

FontChoice::FontChoice(FontFamilies families, std::ostream& warnings)
    : m_families(std::move(families)),
      m_japanese_family(choose_japanese_family(m_families, warnings)) {}

const FontChoice& FontChoice::of_this_machine() {
  static const FontChoice choice(FontFamilies::of_this_machine(), std::cerr);
  return choice;
}

QFont FontChoice::label_font(const LabelStyle& style) const {
  const QString requested = QString::fromStdString(style.font_family);
  const bool installed = !requested.isEmpty() && m_families.installed.contains(requested);
  QFont font(installed ? requested : m_japanese_family);
  const double points = style.font_points > 0 ? style.font_points : kDefaultFontPoints;
  font.setPixelSize(static_cast<int>(std::lround(points * kPixelsPerPoint)));
  return font;
}

void use_japanese_default_font() {
  static const bool done = [] {
    QApplication::setFont(label_font({}));
    return true;
  }();
  static_cast<void>(done);
}

}  // namespace totechita::desktop
