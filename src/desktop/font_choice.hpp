#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <ostream>

#include "runtime/controls.hpp"
#include "runtime/layout_units.hpp"

namespace totechita::desktop {

// The font families on a machine: all of them, and those with Japanese glyphs.
struct FontFamilies {
  QStringList installed;
  QStringList japanese;

  static FontFamilies of_this_machine();
};

// The fonts the game draws its text in, chosen once from the families on a machine.
class FontChoice {
 public:
  // Warns on `warnings`, in one line, when no family at all has Japanese glyphs.
  FontChoice(FontFamilies families, std::ostream& warnings);

  // The choice for this machine: fonts are not installed while the game runs, so one look at
  // them will do, and a missing Japanese font is reported once, not at every paint.
  static const FontChoice& of_this_machine();

  // IPAPGothic when installed, else any family with Japanese glyphs.
  const QString& japanese_family() const { return m_japanese_family; }

  // The font a label is drawn in. A family that is not installed (the credits name the Windows
  // face "ＭＳ Ｐゴシック") becomes the Japanese family. Sizes are converted at 96 dots per inch
  // whatever the screen says, because the forms are laid out in pixels of that size.
  QFont label_font(const LabelStyle& style) const;

 private:
  FontFamilies m_families;
  QString m_japanese_family;
};

// Makes the Japanese label font the application's default, once, so that menus and message boxes
// show Japanese. Called when the first of them is made, not at start-up: looking at the machine's
// fonts takes a while, and the title shows no text.
void use_japanese_default_font();

// The same, on this machine's fonts.
inline const QString& japanese_family() { return FontChoice::of_this_machine().japanese_family(); }
inline QFont label_font(const LabelStyle& style) {
  return FontChoice::of_this_machine().label_font(style);
}

}  // namespace totechita::desktop
