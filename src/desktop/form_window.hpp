#pragma once

#include <QMenuBar>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "desktop/form_canvas.hpp"
#include "desktop/picture_cache.hpp"
#include "desktop/send_input.hpp"
#include "runtime/form.hpp"

namespace totechita::desktop {

// The top-level window of one loaded form: its border, caption, icon and place on the screen as
// the form's design says, the menu bar above the client area, key-downs and the close box.
class FormWindow final : public QWidget {
 public:
  FormWindow(Form& form, PictureCache& pictures, const SendInput& send_input);

  void show_and_activate();
  // The form was unloaded: the window goes blank and sends nothing more.
  void detach();
  // Repaints when something the form shows has changed since the last paint.
  void refresh();

  FormCanvas& canvas() { return *m_canvas; }
  QMenuBar* menu_bar() { return m_menu_bar; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void place_on_screen();
  void centre_on_screen(QRect frame, QRect client);

  Form* m_form;
  const SendInput& m_send_input;
  FormCanvas* m_canvas;
  QMenuBar* m_menu_bar = nullptr;
  std::uint64_t m_painted_revision = 0;
  bool m_placed = false;
  std::optional<QPoint> m_centred_at;  // until the frame is known: where the window was put
};

}  // namespace totechita::desktop
