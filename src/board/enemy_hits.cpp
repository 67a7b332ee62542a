#include "board/caption_arithmetic.hpp"
#include "board/form2.hpp"

namespace totechita {

// Hits are exact equality of Left and Top; visibility is never tested, so a spent enemy on its
// old cell is hit again. The Lefts are compared when the burst ends, the Tops one tick later.

void Form2::Form2_Timer13_Timer() {
  Image13.set_visible(false);
  if (Image7.left() == Image13.left()) Timer14.set_interval(1);
  if (Image9.left() == Image13.left()) Timer16.set_interval(1);
  Label11.set_caption("1");
  Timer13.set_interval(0);
}

void Form2::test_enemy_row(Picture& enemy, Picture& hit_picture, Timer& points_timer) {
  if (enemy.top() == Image13.top()) {
    enemy.set_visible(false);
    hit_picture.set_visible(true);
    hit_picture.set_left(enemy.left());
    hit_picture.set_top(enemy.top());
    points_timer.set_interval(2000);
  }
}

// The points come when the hit picture goes, 2000 ms after the hit.
void Form2::add_points(int points, Picture& hit_picture, Timer& points_timer) {
  add_to_caption(Label13, points);
  hit_picture.set_visible(false);
  points_timer.set_interval(0);
}

void Form2::Form2_Timer14_Timer() {
  test_enemy_row(Image7, Image8, Timer15);
  Timer14.set_interval(0);
}

void Form2::Form2_Timer15_Timer() { add_points(100, Image8, Timer15); }

void Form2::Form2_Timer16_Timer() {
  test_enemy_row(Image9, Image10, Timer17);
  Timer16.set_interval(0);
}

void Form2::Form2_Timer17_Timer() { add_points(200, Image10, Timer17); }

}  // namespace totechita
