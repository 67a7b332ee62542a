#include "board/form2.hpp"
#include "ending/form3.hpp"
#include "runtime/runtime.hpp"
#include "runtime/value_rules.hpp"

namespace totechita {

// Past 3000 points the finale character shows, past 6000 his house; then Timer23 and Timer24
// take turns until the player's sprite stands exactly on the house (2600, 3100). Each timer
// stops itself only after its message box is closed, so each message shows once.

void Form2::Form2_Timer21_Timer() {
  if (to_number(Label13.caption()) > 3000) {
    Image14.set_visible(true);
    MsgBox("ごろさんモード発動！！！！！");
    Timer21.set_interval(0);
    Timer22.set_interval(1000);
  }
}

void Form2::Form2_Timer22_Timer() {
  if (to_number(Label13.caption()) > 6000) {
    Image15.set_visible(true);
    MsgBox("ごろさん家出現！！");
    Timer22.set_interval(0);
    Timer23.set_interval(1);
  }
}

void Form2::Form2_Timer23_Timer() {
  if (Image1.left() == 2600) {
    Timer24.set_interval(1);
    Timer23.set_interval(0);
  }
}

// The board is then the only form: unloading it and showing the ending in one handler must not
// end the program in between.
void Form2::Form2_Timer24_Timer() {
  if (Image1.top() == 3100) {
    Timer24.set_interval(0);
    Timer23.set_interval(0);
    runtime().unload(*this);
    runtime().show<Form3>();
  } else {
    Timer23.set_interval(1);
    Timer24.set_interval(0);
  }
}

}  // namespace totechita
