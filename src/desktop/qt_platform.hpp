#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "desktop/form_window.hpp"
#include "desktop/picture_cache.hpp"
#include "desktop/send_input.hpp"
#include "runtime/platform.hpp"

namespace totechita::desktop {

// The platform on Qt Widgets: a window for each loaded form, the message box, the end of the
// program (the event loop quits with its exit status).
class QtPlatform final : public Platform {
 public:
  explicit QtPlatform(SendInput send_input) : m_send_input(std::move(send_input)) {}
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  void form_loaded(Form& form) override;
  void form_shown(Form& form) override;
  void form_unloaded(Form& form) override;
  void message_box(std::string_view prompt, std::string_view title) override;
  void program_ended(int status) override;

  // Repaints the windows whose forms show something new.
  void refresh_windows();
  FormWindow* window(const Form& form) const;
  const PictureCache& pictures() const { return m_pictures; }

 private:
  // Drops the pictures of an unloaded form that no loaded form shows.
  void drop_pictures_of(const Form& unloaded);

  SendInput m_send_input;
  PictureCache m_pictures;
  std::map<const Form*, std::unique_ptr<FormWindow>> m_windows;
  std::vector<FormWindow*> m_shown;              // loaded, in the order last shown
  std::vector<QPointer<FormWindow>> m_unloaded;  // deleted once their events are over
};

}  // namespace totechita::desktop
