#include "playback/window_script_driver.hpp"

#include <QCoreApplication>
#include <QMouseEvent>

#include "desktop/menu_bar_builder.hpp"
#include "desktop/twips.hpp"
#include "desktop/windows_key_codes.hpp"
#include "runtime/properties.hpp"
#include "script/script_runner.hpp"

namespace totechita::desktop {

namespace {

Twips twips_property(const Control& control, std::string_view property) {
  return static_cast<Twips>(std::get<double>(read_property(control, property).value()));
}

FormWindow& window_of(ScriptedSession& session, const Form& form) {
  FormWindow* window = session.window(form.name());
  if (window == nullptr)
    throw script::ScriptError{script::kScriptFailed, form.name() + " has no window"};
  return *window;
}

}  // namespace

void WindowScriptDriver::key_down(int key_code) {
  const std::optional<QtKey> key = qt_key(key_code);
  if (!key) {
    throw script::ScriptError{script::kScriptMalformed,
                              "no key of the keyboard has the code " + std::to_string(key_code)};
  }
  m_session.press_key(key->key, 1, key->modifiers);
}

void WindowScriptDriver::click(Control& control) {
  FormCanvas& canvas = window_of(m_session, control.form()).canvas();
  const QRectF rect = to_pixel_rect(twips_property(control, "Left"), twips_property(control, "Top"),
                                    twips_property(control, "Width"),
                                    twips_property(control, "Height"), canvas.devicePixelRatioF());
  const QPoint middle = rect.center().toPoint();
  if (canvas.control_at(middle) != &control) {
    throw script::ScriptError{script::kScriptFailed, control.name() + " is not drawn on top"};
  }
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, middle, canvas.mapToGlobal(middle), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &event);
  }
}

void WindowScriptDriver::choose(const MenuItem& item) {
  if (!m_session.choose(menu_text(item.caption))) {
    throw script::ScriptError{script::kScriptFailed, "the menu bar has no command " + item.caption};
  }
}

void WindowScriptDriver::close(Form& form) { window_of(m_session, form).close(); }

}  // namespace totechita::desktop
