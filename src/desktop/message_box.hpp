#pragma once

#include <QString>
#include <QWidget>

namespace totechita::desktop {

// Shows the game's modal message box over `owner` (may be null) until the player closes it: one
// plain OK button, no icon, at least as wide as its title needs beside the frame's buttons.
// Afterwards the keyboard goes back to `owner`: without a window manager nobody else gives it.
void run_message_box(const QString& prompt, const QString& title, QWidget* owner);

}  // namespace totechita::desktop
