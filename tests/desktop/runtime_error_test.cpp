#include <gtest/gtest.h>

#include <QTest>

#include "desktop/session_helpers.hpp"
#include "desktop/snapshots/message_box_closer.hpp"

namespace totechita::desktop::testing {
namespace {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::StandardButtons buttons;
};

// A position field that is not a number reaches the movement rule on the next arrow key: the
// runtime's error box appears over the board, and the event loop ends with a failure status.
TEST(RuntimeError, ShowsTheErrorBoxAndEndsTheProgramWithAFailureStatus) {
  std::vector<SeenBox> boxes;
  MessageBoxCloser closer([&](QMessageBox& box) {
    boxes.push_back({box.windowTitle(), box.text(), box.standardButtons()});
  });
  BoardSession session;
  session.change([&] { session.board().Text1.set_text("abc"); });

  const int status =
      exit_status_of([&] { QTest::keyClick(&session.board_window(), Qt::Key_Right); });

  EXPECT_NE(status, 0);
  EXPECT_NE(status, kNeverEnded);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, QStringLiteral("KORUMEDOトテチータ"));
  EXPECT_EQ(boxes[0].text, QStringLiteral("実行時エラー '13':\n\n型が一致しません。"));
  EXPECT_EQ(boxes[0].buttons, QMessageBox::Ok);
}

}  // namespace
}  // namespace totechita::desktop::testing
