#include "board/caption_arithmetic.hpp"
#include "board/form2.hpp"
#include "runtime/key_codes.hpp"

namespace totechita {

// The position fields move by 100 per key-down, without bounds. The finale character is placed
// from the sprite's current place, which lags the fields by up to one tick of Timer1, on the
// side the player comes from.
void Form2::Form2_Form_KeyDown(int key_code) {
  if (key_code == kKeyUp) {
    add_to_text(Text2, -100);
    Image14.set_top(Image1.top() + 700);
    Image14.set_left(Image1.left());
  }
  if (key_code == kKeyDown) {
    add_to_text(Text2, 100);
    Image14.set_top(Image1.top() - 700);
    Image14.set_left(Image1.left());
  }
  if (key_code == kKeyLeft) {
    add_to_text(Text1, -100);
    Image14.set_left(Image1.left() + 700);
    Image14.set_top(Image1.top());
  }
  if (key_code == kKeyRight) {
    add_to_text(Text1, 100);
    Image14.set_left(Image1.left() - 700);
    Image14.set_top(Image1.top());
  }
  if (key_code == kKeyBackspace) Timer8.set_interval(1);
  if (key_code == kKeyEnter) Timer9.set_interval(1);
}

// The player's sprite follows the position fields every 100 ms.
void Form2::Form2_Timer1_Timer() {
  Image1.set_left(to_single(Text1.text()));
  Image1.set_top(to_single(Text2.text()));
}

}  // namespace totechita
