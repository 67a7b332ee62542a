#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QProxyStyle>
#include <QScreen>
#include <QTest>

#include "desktop/font_choice.hpp"
#include "desktop/session_helpers.hpp"
#include "playback/message_box_closer.hpp"

namespace totechita::desktop::testing {
namespace {

// What the window system shows of the board's client area, as against what its state draws.
QImage on_screen(FormWindow& board) {
  const QRect client = board.canvas().geometry();
  return board.screen()
      ->grabWindow(board.winId(), client.x(), client.y(), client.width(), client.height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}
QImage as_drawn(FormWindow& board) {
  return board.canvas().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Qt repaints a window that loses the focus when its palette has colours of its own for inactive
// windows, as the offscreen platform's has and the desktop's usually has not: that would hide a
// board that was never told to repaint.
class OnePaletteActiveOrNot {
 public:
  OnePaletteActiveOrNot() {
    QPalette same = m_saved;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto r = static_cast<QPalette::ColorRole>(role);
      same.setBrush(QPalette::Inactive, r, same.brush(QPalette::Active, r));
    }
    QApplication::setPalette(same);
  }
  ~OnePaletteActiveOrNot() { QApplication::setPalette(m_saved); }
  OnePaletteActiveOrNot(const OnePaletteActiveOrNot&) = delete;
  OnePaletteActiveOrNot& operator=(const OnePaletteActiveOrNot&) = delete;

 private:
  QPalette m_saved = QApplication::palette();
};

// A desktop theme that puts icons on dialog buttons, as the X11 desktops' themes do.
class IconsOnDialogButtons final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

// Both finale messages, the event loop running between frames as in the game, so that the board
// has painted every earlier frame. The handler shows the character (then the house) before its
// message: the player reads the message with them on the board, not only after OK. Without a
// window manager nobody else gives the keyboard back to the board after OK. A window manager
// elides a title that does not fit beside the frame's buttons (about as wide as the title bar is
// high, three of them, and as much room on the other side of a centred title); the OK button is
// plain text whatever the theme. A box's icon is the small one: X11 takes every size of a window's
// icon each time the window is made.
TEST(MessageBox, OpensOverTheChangedBoardWideEnoughPlainAndGivesTheKeyboardBack) {
  const QString style = QApplication::style()->name();
  QApplication::setStyle(new IconsOnDialogButtons(style));
  const OnePaletteActiveOrNot palette;
  BoardSession session;
  FormWindow& board = session.board_window();
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), &board);
  int boxes = 0;
  const MessageBoxCloser closer([&](QMessageBox& box) {
    ++boxes;
    EXPECT_TRUE(on_screen(board) == as_drawn(board)) << "box " << boxes;
    EXPECT_TRUE(QTest::qWaitForWindowActive(&box)) << "box " << boxes;
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics title(bold);
    EXPECT_GE(box.width(), title.horizontalAdvance(box.windowTitle()) + 6 * (title.height() + 8));
    EXPECT_TRUE(box.button(QMessageBox::Ok)->icon().isNull());
    EXPECT_EQ(box.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    EXPECT_EQ(box.font().family(), game_family());
  });
  session.change([&] {
    session.board().Label13.set_caption("6100");
    session.board().Text1.set_text("2000");  // the player walks off the character at (0, 0)
  });
  const Millis limit = session.now() + 3000;
  while (!session.board().Image15.visible() && session.now() < limit) {
    QCoreApplication::processEvents();
    session.run_until(session.game().clock().planned_wake().value_or(limit));
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(boxes, 2);
  EXPECT_EQ(QApplication::activeWindow(), &board);
  EXPECT_EQ(QGuiApplication::focusWindow(), board.windowHandle());
  QApplication::setStyle(style);
}

}  // namespace
}  // namespace totechita::desktop::testing
