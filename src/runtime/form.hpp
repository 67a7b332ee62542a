#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/controls.hpp"
#include "runtime/menu_item.hpp"

namespace totechita {

class Runtime;

enum class BorderStyle { none, fixed_single };
enum class StartPosition { center_screen, window_system_default };

// A form's window, fixed by its design.
struct FormDesign {
  std::string caption;
  BorderStyle border = BorderStyle::fixed_single;
  Twips client_width = 0;
  Twips client_height = 0;
  StartPosition start = StartPosition::center_screen;
  bool in_taskbar = true;
  std::optional<Rgb> back_color;  // none: the platform's default window colour
};

// A window of the game with its controls. A concrete form declares its controls as members
// (each registers itself here, in declaration order) and its handlers as member functions.
class Form {
 public:
  Form(Runtime& runtime, std::string name, FormDesign design);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return m_name; }
  const FormDesign& design() const { return m_design; }
  Runtime& runtime() const { return m_runtime; }
  bool loaded() const { return m_loaded; }

  // Every control in declaration order, and each kind on its own.
  const std::vector<Control*>& controls() const { return m_controls; }
  const std::vector<Picture*>& pictures() const { return m_pictures; }
  const std::vector<Label*>& labels() const { return m_labels; }
  const std::vector<Timer*>& timers() const { return m_timers; }
  const std::vector<MenuItem>& menu() const { return m_menu; }
  // Look-up by name serves the script driver and the front end, never the game's handlers.
  Control* find(std::string_view control_name) const;

  // The revision of the last change to anything this form shows (labels, and pictures that
  // were or are visible): a window repaints only when it has moved on.
  std::uint64_t shown_revision() const { return m_shown_revision; }

  // Each control registers itself as it is made, in declaration order.
  void add(Picture& picture);
  void add(Label& label);
  void add(TextBox& field);
  void add(Timer& timer);

  std::function<void(int key_code)> on_key_down;

 protected:
  std::vector<MenuItem>& menu_bar() { return m_menu; }

  // What the handlers use of the runtime.
  void Randomize();
  float Rnd();
  void MsgBox(std::string_view prompt);
  [[noreturn]] void End();

 private:
  friend class Control;  // note_change
  friend class Runtime;  // m_loaded
  void note_change(const Control& control, const ControlState& before);

  Runtime& m_runtime;
  std::string m_name;
  FormDesign m_design;
  bool m_loaded = true;
  std::vector<Control*> m_controls;
  std::vector<Picture*> m_pictures;
  std::vector<Label*> m_labels;
  std::vector<Timer*> m_timers;
  std::vector<MenuItem> m_menu;
  std::uint64_t m_shown_revision = 0;
};

// How every front end draws a form: its pictures by layer, lowest first, in declaration order
// within a layer; then every label, in declaration order, above them all. The last drawn is on
// top, and takes a click.
std::vector<Picture*> pictures_in_drawing_order(const Form& form);

}  // namespace totechita
