#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/control_state.hpp"
#include "runtime/platform.hpp"

namespace totechita::web {

// The platform in a web page: each call goes to the page's JavaScript front end (the `page`
// object handed to the module), which keeps a window in the document for each loaded form.
//
// The message box cannot block the browser's only thread, so the module is built with Asyncify:
// the call suspends the WebAssembly stack, the page shows its dialog, and the stack is resumed
// where it stopped when OK is pressed. The handler that opened the box goes on only then.
class WebPlatform final : public Platform {
 public:
  void form_loaded(Form& form) override;
  void form_shown(Form& form) override;
  void form_unloaded(Form& form) override;
  void message_box(std::string_view prompt, std::string_view title) override;
  void program_ended(int status) override;

  // While a recording is watched, how long each message box stays open before the page closes
  // it (the player may close it sooner); otherwise it waits for the player.
  void set_reading_time(std::function<Millis()> reading_time) {
    m_reading_time = std::move(reading_time);
  }

  // Whether a window shows something that has changed since it was last drawn.
  bool frame_due() const;
  // The dumps of those forms, as a JSON array, for the page to draw now: a new window gets its
  // whole state, the others only when a picture or label changed.
  std::string take_frame();

 private:
  // Every window's dump as it is now, whatever its shown revision says: a handler that opens a
  // message box is still running, so what it has changed is not yet counted there.
  std::string every_window() const;

  struct Window {
    const Form* form;
    std::optional<std::uint64_t> drawn_revision;
  };

  std::vector<Window> m_windows;
  std::function<Millis()> m_reading_time;
};

}  // namespace totechita::web
