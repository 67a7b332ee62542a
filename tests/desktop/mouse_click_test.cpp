#include <gtest/gtest.h>

#include <QTest>

#include "desktop/session_helpers.hpp"

namespace totechita::desktop::testing {
namespace {

// The middles of the dry-ice count (Label3) and of its heading (Label6), in pixels.
const QPoint kDryIceCount(280, 8);
const QPoint kDryIceHeading(216, 8);

class LabelClick : public ::testing::Test {
 protected:
  LabelClick() {
    session.change([&] {
      board().Label1.set_caption("1");
      board().Label2.set_caption("1");
      board().Label3.set_caption("1");
    });
  }
  Form2& board() { return session.board(); }
  FormCanvas& canvas() { return session.board_window().canvas(); }

  BoardSession session;
};

TEST_F(LabelClick, OnTheDryIceCountCraftsAWaterBomb) {
  QTest::mouseClick(&canvas(), Qt::LeftButton, {}, kDryIceCount);
  EXPECT_EQ(board().Label9.caption(), "1");
  EXPECT_EQ(board().Label1.caption(), "0");
  EXPECT_EQ(board().Label3.caption(), "0");
}

TEST_F(LabelClick, ElsewhereCraftsNothing) {
  QTest::mouseClick(&canvas(), Qt::LeftButton, {}, kDryIceHeading);
  QTest::mouseClick(&canvas(), Qt::RightButton, {}, kDryIceCount);
  EXPECT_EQ(board().Label9.caption(), "0");
}

TEST_F(LabelClick, ReleasedOffTheLabelIsNoClick) {
  QTest::mousePress(&canvas(), Qt::LeftButton, {}, kDryIceCount);
  QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, kDryIceHeading);
  EXPECT_EQ(board().Label9.caption(), "0");
}

}  // namespace
}  // namespace totechita::desktop::testing
