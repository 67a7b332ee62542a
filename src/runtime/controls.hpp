#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "runtime/control.hpp"

// The four kinds of control the game uses, with the properties its handlers read and write.
namespace totechita {

// A control that stands somewhere on its form: Left, Top, Width and Height.
template <class State>
class BoundedControl : public Control {
 public:
  // The state read without the journal seeing it (Control::peek), as its own kind.
  const State& peek_state() const { return std::get<State>(peek()); }
  const Bounds& bounds() const { return read<State>().bounds; }
  Twips left() const { return bounds().left; }
  Twips top() const { return bounds().top; }
  void set_left(Twips v) { write_bound<State>(&Bounds::left, v); }
  void set_top(Twips v) { write_bound<State>(&Bounds::top, v); }
  void set_width(Twips v) { write_bound<State>(&Bounds::width, v); }
  void set_height(Twips v) { write_bound<State>(&Bounds::height, v); }

 protected:
  using Control::Control;
};

// Pictures are drawn by layer, lowest first, and every label above them.
using Layer = int;

// A sprite: one picture asset, shown at Left/Top when visible.
class Picture : public BoundedControl<PictureState> {
 public:
  Picture(Form& form, std::string name, PictureState design, std::string asset, Layer layer = 0);

  const std::string& asset() const { return m_asset; }
  Layer layer() const { return m_layer; }
  bool visible() const { return read<PictureState>().visible; }
  void set_visible(bool v) { write(&PictureState::visible, v); }

 private:
  std::string m_asset;
  Layer m_layer;
};

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// How a label looks; fixed by the design, never changed in play.
struct LabelStyle {
  Rgb fore{0, 0, 0};
  Rgb back{255, 255, 255};
  std::string font_family;  // empty: the window's default font
  double font_points = 0;   // 0: the default size
};

class Label : public BoundedControl<LabelState> {
 public:
  Label(Form& form, std::string name, LabelState design, LabelStyle style = {});

  const LabelStyle& style() const { return m_style; }
  const std::string& caption() const { return read<LabelState>().caption; }
  void set_caption(std::string v) { write(&LabelState::caption, std::move(v)); }

 private:
  LabelStyle m_style;
};

// A hidden single-line text field: the game's variables.
class TextBox : public BoundedControl<TextBoxState> {
 public:
  TextBox(Form& form, std::string name, TextBoxState design);

  const std::string& text() const { return read<TextBoxState>().text; }
  void set_text(std::string v) { write(&TextBoxState::text, std::move(v)); }
};

// A timer ticks every Interval ms while Interval is non-zero. Writing a non-zero interval at
// time t arms it (or restarts its count): the next tick is due at t + Interval. Writing 0 stops
// it, also from its own tick. The scheduler serves the ticks (see scheduler.hpp).
class Timer : public Control {
 public:
  Timer(Form& form, std::string name, std::int32_t design_interval);

  std::int32_t interval() const { return read<TimerState>().interval; }
  void set_interval(std::int32_t milliseconds);

  std::function<void()> on_tick;

 private:
  friend class Scheduler;
  // What the scheduler remembers of the last tick: whether it changed nothing, at which
  // revision, and the controls it touched. Such a tick would change nothing again until one of
  // those controls changes.
  struct QuietTick {
    bool known = false;
    std::uint64_t revision = 0;
    std::vector<const Control*> touched;
  };
  TimerState& schedule() { return std::get<TimerState>(unjournaled_state()); }
  const TimerState& schedule() const { return std::get<TimerState>(peek()); }

  QuietTick m_quiet;
  bool m_ticking = false;
};

// The control class that holds each kind of state.
template <class State>
struct ControlKind;
template <>
struct ControlKind<PictureState> {
  using type = Picture;
};
template <>
struct ControlKind<LabelState> {
  using type = Label;
};
template <>
struct ControlKind<TextBoxState> {
  using type = TextBox;
};
template <>
struct ControlKind<TimerState> {
  using type = Timer;
};

// Calls `visitor` with the control as its own kind. A new kind of control fails to compile
// here until it has its class, and in every visitor that does not handle it.
template <class C, class Visitor>
decltype(auto) visit_control(C& control, Visitor&& visitor) {
  return std::visit(
      [&](const auto& state) -> decltype(auto) {
        using Kind = typename ControlKind<std::decay_t<decltype(state)>>::type;
        using Target = std::conditional_t<std::is_const_v<C>, const Kind, Kind>;
        return visitor(static_cast<Target&>(control));
      },
      control.peek());
}

// Visitors written as one lambda per kind.
template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace totechita
