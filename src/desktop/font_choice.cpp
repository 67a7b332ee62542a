#include "desktop/font_choice.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <cmath>

#include "desktop/game_font.hpp"

namespace totechita::desktop {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

}  // namespace

FontChoice::FontChoice(QString game_family, QStringList installed)
    : m_game_family(std::move(game_family)), m_installed(std::move(installed)) {}

const FontChoice& FontChoice::of_this_machine() {
  static const FontChoice choice(game_font_family(), QFontDatabase::families());
  return choice;
}

QFont FontChoice::label_font(const LabelStyle& style) const {
  const QString requested = QString::fromStdString(style.font_family);
  const bool installed = !requested.isEmpty() && m_installed.contains(requested);
  QFont font(installed ? requested : m_game_family);
  const double points = style.font_points > 0 ? style.font_points : kDefaultFontPoints;
  font.setPixelSize(static_cast<int>(std::lround(points * kPixelsPerPoint)));
  return font;
}

void use_game_default_font() {
  static const bool done = [] {
    QApplication::setFont(label_font({}));
    return true;
  }();
  static_cast<void>(done);
}

}  // namespace totechita::desktop
