#include <gtest/gtest.h>

#include <QFileInfo>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QWindow>

#include "desktop/session_helpers.hpp"
#include "playback/message_box_closer.hpp"
#include "runtime/layout_units.hpp"

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

// A window manager may ignore the borderless hint and frame the title: it must still manage it
// as an ordinary window (not one that bypasses it), where the game puts it, without asking the
// player where to put it.
TEST(Windows, TitleIsBorderlessCentredOffTheTaskbarAndWithoutAMenuBar) {
  ScriptedSession session;
  FormWindow& title = *session.window("Form1");
  EXPECT_TRUE(title.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_FALSE(title.windowFlags().testFlag(Qt::X11BypassWindowManagerHint));
  EXPECT_EQ(title.windowType(), Qt::Tool);
  expect_fixed_size(title, {529, 481});
  expect_centred(title);
  EXPECT_TRUE(title.testAttribute(Qt::WA_Moved));  // a position of the program's own
  EXPECT_TRUE(title.windowHandle() != nullptr && title.windowHandle()->isVisible());
  EXPECT_FALSE(title.windowIcon().isNull());
  EXPECT_EQ(title.menu_bar(), nullptr);
}

// Docks, task switchers and title bars each show their own size of the icon; a scaled 32 × 32
// looks blurred. A menu's window and the program's icon, which each window takes as it is made,
// have the small size only: X11 takes every size each time a menu opens. The close box ends the
// program.
TEST(Windows, BoardHasACaptionACloseBoxAnIconOfEverySizeAndItsClientAreaBelowTheMenuBar) {
  BoardSession session;
  FormWindow& board = session.board_window();
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
  EXPECT_EQ(session.board_picture().pixelColor(200, 300), Qt::white);
  const QIcon icon = board.windowIcon();
  for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
    EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side))) << side;
    EXPECT_TRUE(icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_RGB32) ==
                PictureCache::prerendered("icon", {side, side}))
        << "not the picture rendered at " << side;
  }
  EXPECT_EQ(QApplication::windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
  for (const QMenu* menu : board.findChildren<QMenu*>())
    EXPECT_EQ(menu->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});

  board.close();
  EXPECT_TRUE(session.game().runtime().ended());
  EXPECT_EQ(session.game().runtime().exit_status(), 0);
  EXPECT_FALSE(board.isVisible());
}

// A desktop finds the installed menu entry, its name and icon, by the application's desktop file
// name; a dock groups the windows with it by its StartupWMClass, their X11 class, which Qt takes
// from the application's name.
TEST(Windows, NameTheirMenuEntryWhichNamesTheirClass) {
  const QString path =
      QStringLiteral(TOTECHITA_DATA_DIR "/%1.desktop").arg(QGuiApplication::desktopFileName());
  ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
  QSettings entry(path, QSettings::IniFormat);
  EXPECT_EQ(entry.value("Desktop Entry/StartupWMClass").toString().toStdString(),
            QCoreApplication::applicationName().toStdString());
}

TEST(Windows, EndingIsBlackFixedAndPlacedByTheWindowSystem) {
  MessageBoxCloser closer;
  BoardSession session;
  reach_ending(session);
  ASSERT_NE(session.window("Form3"), nullptr);
  FormWindow& ending = *session.window("Form3");
  EXPECT_EQ(ending.windowTitle(), "KORUMEDO トテチータ");
  EXPECT_TRUE(ending.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(ending.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  expect_fixed_size(ending, {503, 208});
  EXPECT_FALSE(ending.testAttribute(Qt::WA_Moved));
  EXPECT_EQ(ending.canvas().grab().toImage().pixelColor(240, 100), Qt::black);
}

// Pictures are drawn by the layers their form gives them, and the labels over them all: the
// train over the burst, so that a plane hit is seen; the player over what it walks onto; the
// counts over everything.
TEST(DrawingOrder, FollowsTheFormsLayersThenTheLabels) {
  BoardSession session;
  Form2& board = session.board();
  const auto put_all_at = [&](std::initializer_list<Picture*> pictures, Twips left, Twips top) {
    session.change([&] {
      for (Picture* picture : pictures) {
        picture->set_left(left);
        picture->set_top(top);
        picture->set_visible(true);
      }
    });
  };
  const auto on_top_at = [&](Twips left, Twips top) {
    const Control* control = session.board_window().canvas().control_at(
        QPointF((left + 375) / kTwipsPerPixel, (top + 375) / kTwipsPerPixel));
    return control != nullptr ? control->name() : std::string();
  };
  put_all_at({&board.Image2, &board.Image1, &board.Image13, &board.Image12}, 1500, 1500);
  EXPECT_EQ(on_top_at(1500, 1500), "Image12");
  session.change([&] { board.Image12.set_visible(false); });
  EXPECT_EQ(on_top_at(1500, 1500), "Image13");
  session.change([&] { board.Image13.set_visible(false); });
  EXPECT_EQ(on_top_at(1500, 1500), "Image1");
  put_all_at({&board.Image13, &board.Image12}, 4320, 4400);
  EXPECT_EQ(on_top_at(4320, 4400), "Label13");
}

// A position field that is not a number reaches the movement rule on the next arrow key: the
// runtime's error box appears over the board, a message box like the game's own (one OK button,
// no icon, the game's title), and the event loop ends with a failure status.
TEST(MessageBox, ShowsTheRuntimeErrorThenTheProgramEndsWithAFailureStatus) {
  std::vector<QString> boxes;
  MessageBoxCloser closer([&](QMessageBox& box) {
    boxes.push_back(box.windowTitle() + "|" + box.text());
    EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons().size(), 1);
    EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
  });
  BoardSession session;
  session.change([&] { session.board().Text1.set_text("abc"); });

  const int status =
      exit_status_of([&] { QTest::keyClick(&session.board_window(), Qt::Key_Right); });

  EXPECT_NE(status, 0);
  EXPECT_NE(status, kNeverEnded);
  EXPECT_EQ(boxes,
            std::vector<QString>{"KORUMEDOトテチータ|実行時エラー '13':\n\n型が一致しません。"});
}

}  // namespace
}  // namespace totechita::desktop::testing
