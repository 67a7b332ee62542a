#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "runtime/controls.hpp"
#include "runtime/layout_units.hpp"

namespace totechita::desktop {

// The fonts the game draws its text in.
class FontChoice {
 public:
  // `game_family`: the game's own font (desktop/game_font.hpp); `installed`: the families on
  // the machine.
  FontChoice(QString game_family, QStringList installed);

  // The choice for this machine: fonts are not installed while the game runs, so one look at
  // them will do.
  static const FontChoice& of_this_machine();

  const QString& game_family() const { return m_game_family; }

  // The font a label is drawn in: the family the label names when it is installed, else the
  // game's own (the credits name the Windows face "ＭＳ Ｐゴシック"). Sizes are converted at 96
  // dots per inch whatever the screen says, because the forms are laid out in pixels of that size.
  QFont label_font(const LabelStyle& style) const;

 private:
  QString m_game_family;
  QStringList m_installed;
};

// Makes the label font the application's default, once, so that menus and message boxes show
// the game's font. Called when the first of them is made, not at start-up: looking at the
// machine's fonts takes a while, and the title shows no text.
void use_game_default_font();

// The same, on this machine's fonts.
inline const QString& game_family() { return FontChoice::of_this_machine().game_family(); }
inline QFont label_font(const LabelStyle& style) {
  return FontChoice::of_this_machine().label_font(style);
}

}  // namespace totechita::desktop
