#include "board/caption_arithmetic.hpp"
#include "board/form2.hpp"

namespace totechita {

// Enter → Timer9 (a bomb held?) → Timer12 (none in play? take one) → Timer10 (set it down on the
// player's spot) → Timer11 (1000 ms later: the burst there). Each step stops itself.

void Form2::Form2_Timer9_Timer() {
  if (to_number(Label9.caption()) >= 1) Timer12.set_interval(1);
  Timer9.set_interval(0);
}

// The bomb-ready flag goes to "0" in the same tick that takes the bomb, so a second Enter is
// refused even before the first bomb shows.
void Form2::Form2_Timer12_Timer() {
  if (to_number(Label11.caption()) == 1) {
    Timer10.set_interval(1);
    Label11.set_caption("0");
    add_to_caption(Label9, -1);
  }
  Timer12.set_interval(0);
}

// The bomb's spot is a copy of the player's position text at this moment.
void Form2::Form2_Timer10_Timer() {
  Text15.set_text(Text1.text());
  Text16.set_text(Text2.text());
  Image5.set_visible(true);
  Image5.set_left(to_single(Text1.text()));
  Image5.set_top(to_single(Text2.text()));
  Timer11.set_interval(1000);
  Timer10.set_interval(0);
}

// A burst on the plane's row (Top 2000) is tested against the plane at once; every burst is
// tested against the enemies when it ends, 1000 ms later.
void Form2::Form2_Timer11_Timer() {
  Image5.set_visible(false);
  Image13.set_visible(true);
  Image13.set_left(to_single(Text15.text()));
  Image13.set_top(to_single(Text16.text()));
  if (Image13.top() == 2000) Timer19.set_interval(1);
  Timer11.set_interval(0);
  Timer13.set_interval(1000);
}

}  // namespace totechita
