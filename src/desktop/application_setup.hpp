#pragma once

#include <QApplication>
#include <QIcon>

namespace totechita::desktop {

// Before the QApplication exists: fractional scale factors are used as they are, so that the
// pictures are rendered for the real pixel density and stay sharp.
void prepare_qt();

// The icon of the program's windows.
const QIcon& window_icon();
// The same at 32 × 32 only, for a window that shows its icon nowhere but in a task switcher.
const QIcon& small_window_icon();

// The program's name, desktop entry, icon and style. Forms come and go under the runtime's
// control, so closing the last window does not quit by itself.
void configure_application();

}  // namespace totechita::desktop
