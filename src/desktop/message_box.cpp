#include "desktop/message_box.hpp"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "desktop/application_setup.hpp"

namespace totechita::desktop {

namespace {

// A window manager draws the title between the frame's window-menu icon and its buttons
// (minimise, maximise, close), each about as wide as the title bar is high: a line of the title's
// font and some padding. A centred title keeps as much room free on its left as the buttons take
// on its right (openbox elides it otherwise), and one slot more leaves room for the frame's edges.
constexpr int kTitleBarSlots = 2 * 3 + 1;
constexpr int kTitleBarPadding = 8;

// Most themes draw titles in bold, in about the size of the windows' text.
int title_bar_width(const QString& title, QFont font) {
  font.setBold(true);
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(title) + kTitleBarSlots * (metrics.height() + kTitleBarPadding);
}

// QMessageBox sizes itself to its text and a title of its own measure each time it is shown, so
// the width goes in as the least width of the row of buttons, which spans the whole box.
void make_room_for_title(QMessageBox& box) {
  const QMargins margins = box.layout()->contentsMargins();
  box.findChild<QDialogButtonBox*>()->setMinimumWidth(
      title_bar_width(box.windowTitle(), box.font()) - margins.left() - margins.right());
}

}  // namespace

void run_message_box(const QString& prompt, const QString& title, QWidget* owner) {
  const QPointer<QWidget> keyboard_back_to(owner);
  QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  box.setWindowIcon(small_window_icon());    // a box shows its icon in a task switcher at most
  box.button(QMessageBox::Ok)->setIcon({});  // some themes put icons on dialog buttons
  make_room_for_title(box);
  box.exec();
  if (keyboard_back_to) keyboard_back_to->activateWindow();
}

}  // namespace totechita::desktop
