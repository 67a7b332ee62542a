#include "desktop/pad_actions.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

#include "desktop/windows_key_codes.hpp"
#include "runtime/key_codes.hpp"

namespace totechita::desktop {

namespace {

int key_code(PadDirection direction) {
  switch (direction) {
    case PadDirection::left:
      return kKeyLeft;
    case PadDirection::up:
      return kKeyUp;
    case PadDirection::right:
      return kKeyRight;
    case PadDirection::down:
    case PadDirection::none:
      break;
  }
  return kKeyDown;
}

void send_qt_key(QWidget& target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &release);
}

void send_key(QWidget& target, int windows_key_code) {
  send_qt_key(target, qt_key(windows_key_code)->key);
}

// The whole chain of open menus, as a click elsewhere closes it (Escape would leave the menu bar
// holding the keyboard).
void close_menus() {
  while (QWidget* menu = QApplication::activePopupWidget()) {
    menu->close();
    if (QApplication::activePopupWidget() == menu) return;
  }
}

// As Alt and Down open it: the menu with its first item highlighted.
void open_first_menu(DesktopGame& game) {
  Form* form = game.runtime().active_form();
  FormWindow* window = form != nullptr ? game.platform().window(*form) : nullptr;
  QMenuBar* bar = window != nullptr ? window->menu_bar() : nullptr;
  if (bar == nullptr || bar->actions().isEmpty()) return;
  bar->setActiveAction(bar->actions().first());
  if (QWidget* menu = QApplication::activePopupWidget()) send_key(*menu, kKeyDown);
}

// Only to a form that takes keys, as its window sends them.
void send_game_key(DesktopGame& game, int code) {
  Form* form = game.runtime().active_form();
  if (form != nullptr && form->on_key_down) game.player_input(KeyDown{code});
}

void press_in_message_box(PadButton button, QWidget& box) {
  QWidget& target = box.focusWidget() != nullptr ? *box.focusWidget() : box;
  if (button == PadButton::a) send_key(target, kKeyEnter);
  if (button == PadButton::b) send_qt_key(target, Qt::Key_Escape);
}

}  // namespace

void press(PadButton button, DesktopGame& game) {
  if (QApplication::activeWindow() == nullptr) return;
  if (QWidget* menu = QApplication::activePopupWidget()) {
    if (button == PadButton::a) send_key(*menu, kKeyEnter);
    if (button != PadButton::a && button != PadButton::x) close_menus();
    return;
  }
  if (QWidget* box = QApplication::activeModalWidget()) {
    press_in_message_box(button, *box);
    return;
  }
  switch (button) {
    case PadButton::a:
      send_game_key(game, kKeyEnter);
      return;
    case PadButton::b:
    case PadButton::x:
      send_game_key(game, kKeyBackspace);
      return;
    case PadButton::start:
    case PadButton::back:
      open_first_menu(game);
      return;
  }
}

void step(PadDirection direction, DesktopGame& game) {
  if (direction == PadDirection::none || QApplication::activeWindow() == nullptr) return;
  if (QWidget* menu = QApplication::activePopupWidget()) {
    send_key(*menu, key_code(direction));
    return;
  }
  if (QApplication::activeModalWidget() == nullptr) send_game_key(game, key_code(direction));
}

}  // namespace totechita::desktop
