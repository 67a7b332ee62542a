#include <gtest/gtest.h>

#include <QScreen>
#include <QWindow>

#include "desktop/session_helpers.hpp"
#include "desktop/snapshots/message_box_closer.hpp"

namespace totechita::desktop::testing {
namespace {

// The window with its frame, where it has one.
void expect_centred(const QWidget& window) {
  const QPoint screen_centre = window.screen()->availableGeometry().center();
  EXPECT_NEAR(window.frameGeometry().center().x(), screen_centre.x(), 1);
  EXPECT_NEAR(window.frameGeometry().center().y(), screen_centre.y(), 1);
}

void expect_fixed_size(const QWidget& window, QSize size) {
  EXPECT_EQ(window.size(), size);
  EXPECT_EQ(window.minimumSize(), size);
  EXPECT_EQ(window.maximumSize(), size);
}

TEST(Windows, TitleIsBorderlessCentredAndOffTheTaskbar) {
  ScriptedSession session;
  FormWindow& title = *session.window("Form1");
  EXPECT_TRUE(title.isVisible());
  EXPECT_TRUE(title.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(title.windowType(), Qt::Tool);
  expect_fixed_size(title, {529, 481});
  expect_centred(title);
  EXPECT_FALSE(title.windowIcon().isNull());
}

// A window manager may ignore the borderless hint and frame the title: it must still manage it
// as an ordinary window (not one that bypasses it), where the game puts it, without asking the
// player where to put it.
TEST(Windows, TitleNeedsNoHintToBeShownWhereTheGamePutsIt) {
  ScriptedSession session;
  FormWindow& title = *session.window("Form1");
  EXPECT_FALSE(title.windowFlags().testFlag(Qt::X11BypassWindowManagerHint));
  EXPECT_TRUE(title.testAttribute(Qt::WA_Moved));  // a position of the program's own
  EXPECT_TRUE(title.windowHandle() != nullptr && title.windowHandle()->isVisible());
}

TEST(Windows, BoardHasACaptionACloseBoxAndItsClientAreaBelowTheMenuBar) {
  BoardSession session;
  FormWindow& board = session.board_window();
  EXPECT_EQ(session.window("Form1"), nullptr);
  EXPECT_TRUE(board.isVisible());
  EXPECT_EQ(board.windowTitle(), "KORUMEDO　トテチータ");
  const Qt::WindowFlags flags = board.windowFlags();
  EXPECT_EQ(board.windowType(), Qt::Window);
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::FramelessWindowHint));

  const int menu_height = board.menu_bar()->height();
  EXPECT_GT(menu_height, 0);
  EXPECT_EQ(board.canvas().geometry(), QRect(0, menu_height, 377, 331));
  expect_fixed_size(board, {377, menu_height + 331});
  expect_centred(board);
  EXPECT_FALSE(board.windowIcon().isNull());
  EXPECT_EQ(session.board_picture().pixelColor(200, 300), Qt::white);
}

TEST(Windows, EndingIsBlackFixedAndPlacedByTheWindowSystem) {
  MessageBoxCloser closer;
  BoardSession session;
  reach_ending(session);
  ASSERT_NE(session.window("Form3"), nullptr);
  EXPECT_EQ(session.window("Form2"), nullptr);
  FormWindow& ending = *session.window("Form3");
  EXPECT_TRUE(ending.isVisible());
  EXPECT_EQ(ending.windowTitle(), "KORUMEDO トテチータ");
  EXPECT_TRUE(ending.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(ending.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  expect_fixed_size(ending, {503, 208});
  EXPECT_FALSE(ending.testAttribute(Qt::WA_Moved));
  EXPECT_EQ(ending.canvas().grab().toImage().pixelColor(240, 100), Qt::black);
}

TEST(Windows, TheBoardsCloseBoxEndsTheProgram) {
  BoardSession session;
  FormWindow& board = session.board_window();
  board.close();
  EXPECT_TRUE(session.game().runtime().ended());
  EXPECT_EQ(session.game().runtime().exit_status(), 0);
  EXPECT_FALSE(board.isVisible());
}

TEST(Windows, MessageBoxHasOneOkButtonNoIconAndTheGameTitle) {
  std::vector<QString> texts;
  MessageBoxCloser closer([&](QMessageBox& box) {
    texts.push_back(box.text());
    EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box.windowTitle(), "KORUMEDOトテチータ");
    EXPECT_EQ(box.buttons().size(), 1);
    EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
  });
  BoardSession session;
  session.change([&] { session.board().Label13.set_caption("3100"); });
  session.wait(1000);
  EXPECT_EQ(texts, std::vector<QString>{"ごろさんモード発動！！！！！"});
}

}  // namespace
}  // namespace totechita::desktop::testing
