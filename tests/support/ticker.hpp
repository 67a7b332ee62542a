#pragma once

#include <string>
#include <string_view>

#include "runtime/form.hpp"
#include "runtime/runtime.hpp"

namespace totechita::testing {

// A form whose one timer counts its ticks into a label, every millisecond: a clock to watch.
class Ticker final : public Form {
 public:
  static constexpr std::string_view kName = "Ticker";
  explicit Ticker(Runtime& runtime) : Form(runtime, std::string(kName), {}) {
    Timer1.on_tick = [this] { Label1.set_caption(std::to_string(ticks() + 1)); };
  }
  int ticks() const { return std::stoi(Label1.caption()); }

  // What a key-down does, set by the test.
  void on_key(std::function<void()> handler) {
    on_key_down = [handler = std::move(handler)](int) { handler(); };
  }

  Label Label1{*this, "Label1", {.caption = "0", .bounds = {}}};
  Timer Timer1{*this, "Timer1", 1};
};

}  // namespace totechita::testing
