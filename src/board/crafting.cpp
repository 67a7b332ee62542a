#include "board/caption_arithmetic.hpp"
#include "board/form2.hpp"

namespace totechita {

// One PET bottle, one water and one dry ice make one water bomb. Three independent tests count
// the ingredients in stock into the hidden tally; at most one bomb per step; the tally always
// ends at "0".
void Form2::craft_water_bomb() {
  if (to_number(Label1.caption()) >= 1) add_to_caption(Label7, 1);
  if (to_number(Label2.caption()) >= 1) add_to_caption(Label7, 1);
  if (to_number(Label3.caption()) >= 1) add_to_caption(Label7, 1);
  if (to_number(Label7.caption()) == 3) {
    add_to_caption(Label1, -1);
    add_to_caption(Label2, -1);
    add_to_caption(Label3, -1);
    add_to_caption(Label9, 1);
  }
  Label7.set_caption("0");
}

void Form2::Form2_Label3_Click() { craft_water_bomb(); }

// Armed by Backspace; repeated key-downs before the tick add no steps.
void Form2::Form2_Timer8_Timer() {
  craft_water_bomb();
  Timer8.set_interval(0);
}

}  // namespace totechita
