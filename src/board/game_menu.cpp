#include "board/form2.hpp"
#include "runtime/value_rules.hpp"

namespace totechita {

// An enemy goes to a random cell of the four-by-four grid, Left drawn before Top, each with its
// own reseed, and shows, whatever state it was in.
void Form2::place_enemy(Picture& enemy) {
  enemy.set_left(to_position(draw_grid_position()));
  enemy.set_top(to_position(draw_grid_position()));
  enemy.set_visible(true);
}

void Form2::Form2_mnumosa_Click() { place_enemy(Image7); }
void Form2::Form2_mnunugo_Click() { place_enemy(Image9); }

// The plane shows wherever its flight has brought it.
void Form2::Form2_mnupotesen_Click() { Image11.set_visible(true); }

void Form2::Form2_mnusuu_Click() { End(); }

}  // namespace totechita
