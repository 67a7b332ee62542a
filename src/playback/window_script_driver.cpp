#include "playback/window_script_driver.hpp"

#include <QCoreApplication>
#include <QMouseEvent>

#include "desktop/menu_bar_builder.hpp"
#include "desktop/twips.hpp"
#include "desktop/windows_key_codes.hpp"
#include "script/script_runner.hpp"

namespace totechita::playback {

namespace {

desktop::FormWindow& window_of(ScriptedSession& session, const std::string& form_name) {
  desktop::FormWindow* window = session.window(form_name);
  if (window == nullptr)
    throw script::ScriptError{script::kScriptFailed, form_name + " has no window"};
  return *window;
}

}  // namespace

void WindowScriptDriver::input(const Input& input) {
  std::visit([this](const auto& given) { give(given); }, input);
}

void WindowScriptDriver::give(const KeyDown& key) {
  const std::optional<desktop::QtKey> qt_key = desktop::qt_key(key.key_code);
  if (!qt_key) {
    throw script::ScriptError{script::kScriptMalformed, "no key of the keyboard has the code " +
                                                            std::to_string(key.key_code)};
  }
  m_session.press_key(qt_key->key, 1, qt_key->modifiers);
}

void WindowScriptDriver::give(const Click& click) {
  desktop::FormCanvas& canvas = window_of(m_session, click.form).canvas();
  const Control& control = *m_session.game().runtime().find_form(click.form)->find(click.control);
  const Bounds bounds =
      visit_control(control, Overloaded{
                                 [](const Timer&) { return Bounds{}; },
                                 [](const auto& placed) { return placed.peek_state().bounds; },
                             });
  const QRectF rect = desktop::to_pixel_rect(bounds.left, bounds.top, bounds.width, bounds.height,
                                             canvas.devicePixelRatioF());
  const QPoint middle = rect.center().toPoint();
  if (canvas.control_at(middle) != &control) {
    throw script::ScriptError{script::kScriptFailed, click.control + " is not drawn on top"};
  }
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, middle, canvas.mapToGlobal(middle), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &event);
  }
}

void WindowScriptDriver::give(const MenuCommand& command) {
  const Form& form = *m_session.game().runtime().find_form(command.form);
  const MenuItem& item = *find_menu_item_named(form.menu(), command.item);
  if (!m_session.choose(desktop::menu_text(item.caption))) {
    throw script::ScriptError{script::kScriptFailed, "the menu bar has no command " + item.caption};
  }
}

void WindowScriptDriver::give(const CloseBox& close) { window_of(m_session, close.form).close(); }

}  // namespace totechita::playback
