#include "desktop/qt_platform.hpp"

#include <QCoreApplication>
#include <algorithm>
#include <set>
#include <string>

#include "desktop/font_choice.hpp"
#include "desktop/message_box.hpp"

namespace totechita::desktop {

namespace {

QString to_qstring(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::set<std::string> picture_assets(const Form& form) {
  std::set<std::string> assets;
  for (const Picture* picture : form.pictures())
    assets.insert(picture->asset());
  return assets;
}

}  // namespace

QtPlatform::~QtPlatform() {
  for (const QPointer<FormWindow>& window : m_unloaded)
    delete window.data();
}

// A window takes the default font when it is made, and its menu bar takes the window's.
void QtPlatform::form_loaded(Form& form) {
  if (!form.menu().empty()) use_game_default_font();
  m_windows[&form] = std::make_unique<FormWindow>(form, m_pictures, m_send_input);
}

void QtPlatform::form_shown(Form& form) {
  FormWindow* shown = window(form);
  std::erase(m_shown, shown);
  m_shown.push_back(shown);
  shown->show_and_activate();
}

// The window may be the one whose close box is being handled, so it is deleted later, from the
// event loop. Its detached canvas draws no picture again, so the pictures only it showed go.
void QtPlatform::form_unloaded(Form& form) {
  auto it = m_windows.find(&form);
  FormWindow* unloaded = it->second.release();
  m_windows.erase(it);
  std::erase(m_shown, unloaded);
  unloaded->detach();
  unloaded->deleteLater();
  std::erase_if(m_unloaded, [](const QPointer<FormWindow>& gone) { return gone.isNull(); });
  m_unloaded.emplace_back(unloaded);
  drop_pictures_of(form);
}

void QtPlatform::drop_pictures_of(const Form& unloaded) {
  std::set<std::string> unused = picture_assets(unloaded);
  for (const auto& [form, window] : m_windows)
    for (const std::string& asset : picture_assets(*form))
      unused.erase(asset);
  for (const std::string& asset : unused)
    m_pictures.drop(asset);
}

// A handler that shows a picture and then its message means the player to read the message with
// the picture on screen, so every window is painted before the box opens. The handler is still
// running, so the forms do not yet know what it changed: a box is rare, and painting all is cheap.
void QtPlatform::message_box(std::string_view prompt, std::string_view title) {
  use_game_default_font();
  for (auto& [form, window] : m_windows)
    window->canvas().repaint();
  run_message_box(to_qstring(prompt), to_qstring(title),
                  m_shown.empty() ? nullptr : m_shown.back());
}

void QtPlatform::program_ended(int status) { QCoreApplication::exit(status); }

void QtPlatform::refresh_windows() {
  for (auto& [form, window] : m_windows)
    window->refresh();
}

FormWindow* QtPlatform::window(const Form& form) const {
  auto it = m_windows.find(&form);
  return it == m_windows.end() ? nullptr : it->second.get();
}

}  // namespace totechita::desktop
