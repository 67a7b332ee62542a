#include "title/form1.hpp"

#include "board/form2.hpp"
#include "runtime/runtime.hpp"

namespace totechita {

Form1::Form1(Runtime& runtime)
    : Form(runtime, std::string(kName),
           {.caption = "Form1",
            .border = BorderStyle::none,
            .client_width = 7935,
            .client_height = 7215,
            .start = StartPosition::center_screen,
            .in_taskbar = false,
            .back_color = std::nullopt}) {
  Timer1.on_tick = [this] { Form1_Timer1_Timer(); };
}

// The board is shown before the title goes, so a form is loaded at every moment.
void Form1::Form1_Timer1_Timer() {
  Timer1.set_interval(0);
  runtime().show<Form2>();
  runtime().unload(*this);
}

}  // namespace totechita
