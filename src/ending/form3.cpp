#include "ending/form3.hpp"

#include "runtime/value_rules.hpp"

namespace totechita {

const char* const Form3::kCredits =
    "ごろさんの家は、テレビ番組「ふるさと探訪ぶらり旅」（ひまわりテレビ、毎週日曜朝）で紹介されま"
    "した。この家がどこにあるのか知っている人は、作者までメールをください。それにしても、このゲ"
    "ームはいったい何を伝えたかったのでしょうか。2005/3/31 KORUMEDO "
    "協力 Ryo Amagase, Mika Tsukimori";

Form3::Form3(Runtime& runtime)
    : Form(runtime, std::string(kName),
           {.caption = "KORUMEDO トテチータ",
            .border = BorderStyle::fixed_single,
            .client_width = 7545,
            .client_height = 3120,
            .start = StartPosition::window_system_default,
            .in_taskbar = true,
            .back_color = Rgb{0, 0, 0}}) {
  Timer1.on_tick = [this] { Form3_Timer1_Timer(); };
  Timer2.on_tick = [this] { Form3_Timer2_Timer(); };
}

// The credits move up 100 twips a tick, without limit.
void Form3::Form3_Timer1_Timer() {
  Label1.set_top(to_position(static_cast<double>(Label1.top()) - 100));
}

void Form3::Form3_Timer2_Timer() { End(); }

}  // namespace totechita
