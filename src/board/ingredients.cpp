#include "board/caption_arithmetic.hpp"
#include "board/form2.hpp"
#include "board/grid_draw.hpp"

namespace totechita {

// A mover keeps its sprite on the ingredient's position fields and, once a pickup has cleared
// the placed flag, draws a new place on the grid: x first, then y, each with its own reseed.
void Form2::move_ingredient(const Ingredient& ingredient) {
  if (to_number(ingredient.placed.text()) == 0) {
    ingredient.x.set_text(to_text(draw_grid_position()));
    ingredient.y.set_text(to_text(draw_grid_position()));
    ingredient.placed.set_text("1");
  }
  ingredient.sprite.set_left(to_single(ingredient.x.text()));
  ingredient.sprite.set_top(to_single(ingredient.y.text()));
}

double Form2::draw_grid_position() {
  Randomize();
  return grid_position(Rnd());
}

// The pickup test compares positions as text. The match count is scratch state of one tick: it
// starts and ends every tick at "0". The test does not look at the placed flag: it relies on the
// mover ticking between two of its ticks, so that a pickup counts once.
void Form2::test_pickup(const Ingredient& ingredient) {
  if (ingredient.x.text() == Text1.text()) ingredient.matches.set_text("1");
  if (ingredient.y.text() == Text2.text()) add_to_text(ingredient.matches, 1);
  if (to_number(ingredient.matches.text()) == 2) {
    add_to_caption(ingredient.count, 1);
    ingredient.placed.set_text("0");
  }
  ingredient.matches.set_text("0");
}

void Form2::Form2_Timer2_Timer() { move_ingredient(pet_bottle()); }
void Form2::Form2_Timer3_Timer() { test_pickup(pet_bottle()); }
void Form2::Form2_Timer4_Timer() { move_ingredient(water()); }
void Form2::Form2_Timer5_Timer() { test_pickup(water()); }
void Form2::Form2_Timer6_Timer() { move_ingredient(dry_ice()); }
void Form2::Form2_Timer7_Timer() { test_pickup(dry_ice()); }

}  // namespace totechita
