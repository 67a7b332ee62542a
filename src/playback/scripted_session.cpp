#include "playback/scripted_session.hpp"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "game/program.hpp"

namespace totechita::playback {

namespace {

QAction* find_command(const QList<QAction*>& actions, const QString& caption) {
  for (QAction* action : actions) {
    if (action->menu() != nullptr) {
      if (QAction* found = find_command(action->menu()->actions(), caption)) return found;
    } else if (action->text() == caption) {
      return action;
    }
  }
  return nullptr;
}

}  // namespace

ScriptedSession::ScriptedSession(std::uint64_t seed, Start start)
    : m_game(seed, [this] { return m_clock; }) {
  if (start == Start::now) this->start();
}

void ScriptedSession::start() { m_game.start(start_program); }

int follow_plan(desktop::ClockDriver& driver, Millis& clock, Millis time) {
  int wake_ups = 0;
  while (driver.planned_wake() && *driver.planned_wake() <= time) {
    clock = std::max(clock, *driver.planned_wake());
    driver.wake();
    ++wake_ups;
  }
  return wake_ups;
}

int ScriptedSession::run_until(Millis time) {
  const int wake_ups = follow_plan(m_game.clock(), m_clock, time);
  m_clock = std::max(m_clock, time);
  m_game.clock().wake();
  return wake_ups;
}

void ScriptedSession::jump(Millis milliseconds) {
  stall(milliseconds);
  m_game.clock().note_clock_stopped();
  m_game.clock().wake();
}

void ScriptedSession::press_key(int qt_key, int count, Qt::KeyboardModifiers modifiers) {
  Form* active = m_game.runtime().active_form();
  if (active == nullptr) return;
  desktop::FormWindow* target = m_game.platform().window(*active);
  for (int i = 0; i < count; ++i) {
    QKeyEvent press(QEvent::KeyPress, qt_key, modifiers);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, qt_key, modifiers);
    QCoreApplication::sendEvent(target, &release);
  }
}

bool ScriptedSession::choose(const QString& caption) {
  Form* active = m_game.runtime().active_form();
  desktop::FormWindow* target = active != nullptr ? m_game.platform().window(*active) : nullptr;
  if (target == nullptr || target->menu_bar() == nullptr) return false;
  QAction* command = find_command(target->menu_bar()->actions(), caption);
  if (command == nullptr) return false;
  command->trigger();
  return true;
}

desktop::FormWindow* ScriptedSession::window(std::string_view form_name) {
  Form* form = m_game.runtime().find_form(form_name);
  return form != nullptr ? m_game.platform().window(*form) : nullptr;
}

}  // namespace totechita::playback
