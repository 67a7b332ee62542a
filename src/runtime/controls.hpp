#pragma once

#include <string>
#include <utility>
#include <vector>

#include "runtime/control.hpp"

// The four kinds of control the game uses, with the properties its handlers read and write.
namespace totechita {

// A sprite: one picture asset, shown at Left/Top when visible.
class Picture : public Control {
 public:
  Picture(Form& form, std::string name, PictureState design, std::string asset)
      : Control(form, std::move(name), design), m_asset(std::move(asset)) {}

  const std::string& asset() const { return m_asset; }
  Twips left() const { return read<PictureState>().left; }
  Twips top() const { return read<PictureState>().top; }
  bool visible() const { return read<PictureState>().visible; }
  void set_left(Twips v) { write(&PictureState::left, v); }
  void set_top(Twips v) { write(&PictureState::top, v); }
  void set_visible(bool v) { write(&PictureState::visible, v); }
  void set_width(Twips v) { write(&PictureState::width, v); }
  void set_height(Twips v) { write(&PictureState::height, v); }

 private:
  std::string m_asset;
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

class Label : public Control {
 public:
  Label(Form& form, std::string name, LabelState design, LabelStyle style = {})
      : Control(form, std::move(name), std::move(design)), m_style(std::move(style)) {}

  const LabelStyle& style() const { return m_style; }
  const std::string& caption() const { return read<LabelState>().caption; }
  Twips top() const { return read<LabelState>().top; }
  void set_caption(std::string v) { write(&LabelState::caption, std::move(v)); }
  void set_left(Twips v) { write(&LabelState::left, v); }
  void set_top(Twips v) { write(&LabelState::top, v); }
  void set_width(Twips v) { write(&LabelState::width, v); }
  void set_height(Twips v) { write(&LabelState::height, v); }

 private:
  LabelStyle m_style;
};

// A hidden single-line text field: the game's variables.
class TextBox : public Control {
 public:
  TextBox(Form& form, std::string name, TextBoxState design)
      : Control(form, std::move(name), std::move(design)) {}

  const std::string& text() const { return read<TextBoxState>().text; }
  void set_text(std::string v) { write(&TextBoxState::text, std::move(v)); }
  void set_left(Twips v) { write(&TextBoxState::left, v); }
  void set_top(Twips v) { write(&TextBoxState::top, v); }
  void set_width(Twips v) { write(&TextBoxState::width, v); }
  void set_height(Twips v) { write(&TextBoxState::height, v); }
};

class Scheduler;

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
  // revision, and which controls it read or wrote. Such a tick would change nothing again
  // until one of those controls changes.
  struct QuietTick {
    bool known = false;
    std::uint64_t revision = 0;
    std::vector<const Control*> inputs;
  };
  TimerState& schedule() { return std::get<TimerState>(state_unjournaled()); }
  const TimerState& schedule() const { return std::get<TimerState>(peek()); }

  QuietTick m_quiet;
  bool m_ticking = false;
};

}  // namespace totechita
