#include "board/form2.hpp"
#include "runtime/value_rules.hpp"

namespace totechita {

// The plane flies along Top 2000, 100 twips left each second, visible or not: 4400, 4300, ...,
// 0, then 4400 again (the tick that finds 0 puts 4500 and at once takes 100 off).
void Form2::Form2_Timer18_Timer() {
  if (Image11.left() == 0) Image11.set_left(4500);
  Image11.set_left(to_position(static_cast<double>(Image11.left()) - 100));
}

// The row was tested when the burst came up; here only the column. A hidden plane is hit too.
void Form2::Form2_Timer19_Timer() {
  if (Image11.left() == Image13.left()) {
    Image11.set_visible(false);
    Image12.set_visible(true);
    Image12.set_left(Image11.left());
    Image12.set_top(2000);
    Timer20.set_interval(2000);
  }
  Timer19.set_interval(0);
}

void Form2::Form2_Timer20_Timer() { add_points(1000, Image12, Timer20); }

}  // namespace totechita
