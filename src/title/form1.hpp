#pragma once

#include "runtime/form.hpp"

namespace totechita {

// The title screen: one picture for 1500 ms, then the board.
class Form1 final : public Form {
 public:
  static constexpr std::string_view kName = "Form1";
  explicit Form1(Runtime& runtime);

  Picture Image1{*this, "Image1", {.bounds = {120, 120, 7695, 7005}, .visible = true}, "title"};
  Timer Timer1{*this, "Timer1", 1500};

  void Form1_Timer1_Timer();
};

}  // namespace totechita
