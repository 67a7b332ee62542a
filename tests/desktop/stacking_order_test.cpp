#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "board/form2.hpp"
#include "desktop/stacking_order.hpp"
#include "runtime/headless/headless_platform.hpp"
#include "runtime/runtime.hpp"

namespace totechita::desktop {
namespace {

class BoardStacking : public ::testing::Test {
 protected:
  // Position in the drawing order, bottom first.
  long place(const Control& control) const {
    return std::find(order.begin(), order.end(), &control) - order.begin();
  }

  HeadlessPlatform platform;
  Runtime runtime{platform, 0};
  Form2& board = runtime.show<Form2>();
  std::vector<Control*> order = stacking_order(board);
};

TEST_F(BoardStacking, DrawsEachPictureAndLabelOnceAndNoTextFieldsOrTimers) {
  EXPECT_EQ(order.size(), 14u + 12u);
  for (const Control* control : order) {
    EXPECT_TRUE(std::holds_alternative<PictureState>(control->peek()) ||
                std::holds_alternative<LabelState>(control->peek()))
        << control->name();
  }
}

TEST_F(BoardStacking, PutsWhatMustShowAboveWhatItStandsOn) {
  for (const Picture* ingredient : {&board.Image2, &board.Image3, &board.Image4}) {
    EXPECT_GT(place(board.Image1), place(*ingredient)) << "player above " << ingredient->name();
  }
  EXPECT_GT(place(board.Image1), place(board.Image15));  // player above the house
  EXPECT_GT(place(board.Image5), place(board.Image1));   // the bomb is set down on the player
  EXPECT_GT(place(board.Image13), place(board.Image5));  // burst above bomb
  EXPECT_GT(place(board.Image8), place(board.Image7));   // hit pictures above their enemies
  EXPECT_GT(place(board.Image10), place(board.Image9));
  EXPECT_GT(place(board.Image12), place(board.Image11));  // train above plane
  EXPECT_GT(place(board.Label4), place(board.Image13));   // labels on top of every sprite
}

}  // namespace
}  // namespace totechita::desktop
