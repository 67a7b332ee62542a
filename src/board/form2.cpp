#include "board/form2.hpp"

namespace totechita {

Form2::Form2(Runtime& runtime)
    : Form(runtime, std::string(kName),
           {.caption = "KORUMEDO\u3000トテチータ",
            .border = BorderStyle::fixed_single,
            .client_width = 5655,
            .client_height = 4965,
            .start = StartPosition::center_screen,
            .in_taskbar = true,
            .back_color = Rgb{255, 255, 255}}) {
  on_key_down = [this](int key_code) { Form2_Form_KeyDown(key_code); };
  Label3.on_click = [this] { Form2_Label3_Click(); };
  const std::pair<Timer*, void (Form2::*)()> handlers[] = {
      {&Timer1, &Form2::Form2_Timer1_Timer},   {&Timer2, &Form2::Form2_Timer2_Timer},
      {&Timer3, &Form2::Form2_Timer3_Timer},   {&Timer4, &Form2::Form2_Timer4_Timer},
      {&Timer5, &Form2::Form2_Timer5_Timer},   {&Timer6, &Form2::Form2_Timer6_Timer},
      {&Timer7, &Form2::Form2_Timer7_Timer},   {&Timer8, &Form2::Form2_Timer8_Timer},
      {&Timer9, &Form2::Form2_Timer9_Timer},   {&Timer10, &Form2::Form2_Timer10_Timer},
      {&Timer11, &Form2::Form2_Timer11_Timer}, {&Timer12, &Form2::Form2_Timer12_Timer},
      {&Timer13, &Form2::Form2_Timer13_Timer}, {&Timer14, &Form2::Form2_Timer14_Timer},
      {&Timer15, &Form2::Form2_Timer15_Timer}, {&Timer16, &Form2::Form2_Timer16_Timer},
      {&Timer17, &Form2::Form2_Timer17_Timer}, {&Timer18, &Form2::Form2_Timer18_Timer},
      {&Timer19, &Form2::Form2_Timer19_Timer}, {&Timer20, &Form2::Form2_Timer20_Timer},
      {&Timer21, &Form2::Form2_Timer21_Timer}, {&Timer22, &Form2::Form2_Timer22_Timer},
      {&Timer23, &Form2::Form2_Timer23_Timer}, {&Timer24, &Form2::Form2_Timer24_Timer},
  };
  for (auto [timer, handler] : handlers)
    timer->on_tick = [this, handler = handler] { (this->*handler)(); };
  build_menu();
}

// ゲーム → 敵を置く (茂佐, ヌガタのおやじ, ポテ戦), a separator, 終了. No shortcuts, access keys
// or check marks.
void Form2::build_menu() {
  MenuItem place_enemies{.name = "mnuteee", .caption = "敵を置く", .children = {}, .on_click = {}};
  place_enemies.children = {
      {.name = "mnumosa",
       .caption = "茂佐",
       .children = {},
       .on_click = [this] { Form2_mnumosa_Click(); }},
      {.name = "mnunugo",
       .caption = "ヌガタのおやじ",
       .children = {},
       .on_click = [this] { Form2_mnunugo_Click(); }},
      {.name = "mnupotesen",
       .caption = "ポテ戦",
       .children = {},
       .on_click = [this] { Form2_mnupotesen_Click(); }},
  };
  MenuItem game{.name = "mnugamed", .caption = "ゲーム", .children = {}, .on_click = {}};
  game.children = {
      std::move(place_enemies),
      {.name = "mnusyu", .caption = "-", .children = {}, .on_click = {}},
      {.name = "mnusuu",
       .caption = "終了",
       .children = {},
       .on_click = [this] { Form2_mnusuu_Click(); }},
  };
  menu_bar().push_back(std::move(game));
}

}  // namespace totechita
