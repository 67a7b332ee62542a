#pragma once

#include "runtime/form.hpp"

namespace totechita {

// The ending screen: a portrait and credits that scroll up over black; the program ends 15 s
// after it opens.
class Form3 final : public Form {
 public:
  static constexpr std::string_view kName = "Form3";
  static const char* const kCredits;
  explicit Form3(Runtime& runtime);

  Picture Image1{*this, "Image1", {.bounds = {0, 0, 3510, 3075}, .visible = true}, "portrait"};
  Label Label1{*this,
               "Label1",
               {.caption = kCredits, .bounds = {3480, 3000, 3975, 11640}},
               {.fore = {255, 255, 255},
                .back = {0, 0, 0},
                .font_family = "ＭＳ Ｐゴシック",
                .font_points = 26.25}};
  Timer Timer1{*this, "Timer1", 100};
  Timer Timer2{*this, "Timer2", 15000};

  void Form3_Timer1_Timer();
  void Form3_Timer2_Timer();
};

}  // namespace totechita
